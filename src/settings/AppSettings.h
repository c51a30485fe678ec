#pragma once

#include "SettingsKeys.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace rmnra {

// The process-wide record filled once from ORVANTIS.INI and only read afterwards.
struct AppSettings {
    std::string ProgramFolder;       // folder of the executable, with its trailing separator
    std::string CentralServerIp;     // at most 60 characters
    std::int32_t ScreenBackgroundColor = 0;
    std::string BookOrdering;        // the whole value
    // Every recognised key has a place of its own, cut to the key's width; the four
    // values above are also kept here under their keys.
    std::array<std::string, kSettingsKeyCount> values{};

    // The stored text of a key, by its 48-character key text ("" when unknown).
    std::string value(const std::string& keyText) const;
};

AppSettings& appSettings();

inline constexpr const char* kSettingsFileName = "ORVANTIS.INI";
inline constexpr const char* kSettingsMissingMessage =
    "Arquivo ORVANTIS.INI n\xE3o encontrado. Execute o programa Tarvicon.exe para cri\xE1-lo.";

// The settings file does not exist: the caller shows kSettingsMissingMessage and ends
// the process with exit code 0.
class SettingsFileMissing : public std::runtime_error {
public:
    explicit SettingsFileMissing(const std::string& path)
        : std::runtime_error(kSettingsMissingMessage), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The file could not be opened or read; the values read before stay.
class SettingsReadError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The colour value is no integer: "'%s' is not a valid integer value".
class SettingsConversionError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace rmnra
