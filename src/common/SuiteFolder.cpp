#include "SuiteFolder.h"

#include <cstdlib>

namespace rmnra {

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string suiteFolder() {
    const char* env = std::getenv("ORVANTIS_HOME");
    return withTrailingSeparator(env && *env ? env : "/var/lib/orvantis");
}

std::string serverSuiteFolder() {
    const char* env = std::getenv("ORVANTIS_SERVER_HOME");
    return env && *env ? withTrailingSeparator(env) : suiteFolder();
}

} // namespace rmnra
