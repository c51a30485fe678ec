#pragma once

#include <QByteArray>
#include <string>

namespace rmnra {

// The report project shipped with the program (compiled in).
QByteArray defaultReportProject();

// Writes the shipped project as rptRMNRA.xml into the RPT folder, creating the folder.
// Returns false, writing nothing, when the file exists and `overwrite` is false.
// Throws std::runtime_error (Windows-1252 message naming the path) when it cannot write.
bool installDefaultReportProject(const std::string& rptFolder, bool overwrite = false);

} // namespace rmnra
