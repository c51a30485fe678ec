#pragma once

#include "AppSettings.h"

#include <optional>
#include <string>

namespace rmnra {

// Removes the space characters (code 32) at both ends; tabs and inner spaces stay.
std::string TrimSpaces(const std::string& s);

// The folder of the running executable, with its trailing separator.
std::string ProgramFolder();

// Signed 32-bit integer: optional sign, decimal digits, or hexadecimal after "$" or "0x";
// nullopt for anything else (the empty text included).
std::optional<std::int32_t> parseSettingsInteger(const std::string& text);

// Reads programFolder + "ORVANTIS.INI" into settings (ProgramFolder set to programFolder).
// Throws SettingsFileMissing, SettingsReadError or SettingsConversionError; on the latter
// two the values stored before the failing line stay.
void readSettingsFile(AppSettings& settings, const std::string& programFolder);

// Fills the process-wide appSettings() from the executable's folder.
void ReadSettingsFile();

} // namespace rmnra
