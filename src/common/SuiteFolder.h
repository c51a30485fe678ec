#pragma once

#include <string>

namespace rmnra {

// The suite's folder (report file, CaminhoGDS.txt, RPT, dados, interfacNN):
// $ORVANTIS_HOME, or /var/lib/orvantis; always ends in '/'.
std::string suiteFolder();

// Root of the server-side database paths used with a non-empty CentralServerIp:
// $ORVANTIS_SERVER_HOME, or the suite folder; always ends in '/'.
std::string serverSuiteFolder();

// Appends '/' when missing (an empty folder stays empty).
std::string withTrailingSeparator(std::string folder);

} // namespace rmnra
