#pragma once

#include "common/UserInterface.h"

#include <optional>
#include <string>
#include <vector>

namespace rmnra {
class Session;
}

namespace rmnra::cli {

// The outcome of a headless login.
struct CommandLineLogin {
    bool ok = false;
    std::string caption;                // the work area's caption, on success
    std::vector<std::string> otherArgs; // the arguments besides "--user NAME"
};

// Logs in as the window does, with "--user NAME" taken out of args and the password from
// RMNRA_PASSWORD or else the first line of standard input (never an argument). Every
// refusal is shown through ui. A missing "--user" is a refusal too.
CommandLineLogin loginFromCommandLine(const std::vector<std::string>& args, Session& session,
                                      UserInterface& ui);

// The password: RMNRA_PASSWORD when set, else the first line of standard input (without
// its line end), converted to Windows-1252; nullopt when it has no Windows-1252 form.
std::optional<std::string> readPassword();

} // namespace rmnra::cli
