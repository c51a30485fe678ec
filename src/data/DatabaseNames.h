#pragma once

#include <string>

namespace rmnra {

struct AppSettings;

// Names of the suite's databases. With an empty CentralServerIp the local file below the
// suite folder, opened by the embedded engine; otherwise CentralServerIp + ":" + the path
// below the server's suite folder (CentralServerIp may carry a port: "host/3051").
std::string mainDatabaseName(const AppSettings& settings);
std::string workAreaDatabaseName(const AppSettings& settings, const std::string& station);
// The work-area database before the workstation is identified: always the local file.
std::string initialWorkAreaDatabaseName();

} // namespace rmnra
