#include "CommandLine.h"
#include "CommandLineLogin.h"
#include "Commands.h"
#include "TerminalUserInterface.h"
#include "data/Session.h"
#include "settings/SettingsReader.h"

#include <iostream>

namespace rmnra::cli {

// Logs in as the window does and prints the work area's caption.
int runLogin(const std::vector<std::string>& args) {
    const bool userOnly = (args.size() == 2 && args[0] == "--user") ||
                          (args.size() == 1 && args[0].rfind("--user=", 0) == 0);
    if (!userOnly) {
        printError("Uso: rmnra login --user NOME");
        return 2;
    }
    if (const int status = readSettingsForCommand())
        return status;
    AppSettings& settings = appSettings();
    TerminalUserInterface ui;
    try {
        Session session(settings);
        const CommandLineLogin login = loginFromCommandLine(args, session, ui);
        if (!login.ok)
            return 1;
        std::cout << forTerminal(login.caption) << std::endl;
        return 0;
    } catch (const std::exception& e) {
        printError(e.what());
        return 1;
    }
}

} // namespace rmnra::cli
