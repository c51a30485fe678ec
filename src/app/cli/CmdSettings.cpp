#include "CommandLine.h"
#include "Commands.h"
#include "common/Cp1252.h"
#include "settings/SettingsReader.h"

#include <iostream>

namespace rmnra::cli {

// Reads ORVANTIS.INI from the program's folder exactly as the window does.
int runSettings(const std::vector<std::string>& args) {
    if (!args.empty()) {
        printError("Uso: rmnra settings");
        return 2;
    }
    if (const int status = readSettingsForCommand())
        return status;
    AppSettings& s = appSettings();
    std::cout << "ProgramFolder=" << cp1252ToUtf8(s.ProgramFolder) << "\n"
              << "CentralServerIp=" << cp1252ToUtf8(s.CentralServerIp) << "\n"
              << "ScreenBackgroundColor=" << s.ScreenBackgroundColor << "\n"
              << "BookOrdering=" << cp1252ToUtf8(s.BookOrdering) << "\n";
    return 0;
}

} // namespace rmnra::cli
