#include "DatabaseNames.h"

#include "common/SuiteFolder.h"
#include "settings/AppSettings.h"

namespace rmnra {
namespace {

std::string databaseName(const AppSettings& settings, const std::string& relativePath) {
    if (settings.CentralServerIp.empty())
        return suiteFolder() + relativePath;
    return settings.CentralServerIp + ":" + serverSuiteFolder() + relativePath;
}

} // namespace

std::string mainDatabaseName(const AppSettings& settings) {
    return databaseName(settings, "dados/orvantis.bd");
}

std::string workAreaDatabaseName(const AppSettings& settings, const std::string& station) {
    return databaseName(settings, "interfac" + station + "/orvantis.bd");
}

std::string initialWorkAreaDatabaseName() {
    return suiteFolder() + "interfac/orvantis.bd";
}

} // namespace rmnra
