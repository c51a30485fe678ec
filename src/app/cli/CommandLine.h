#pragma once

#include <string>
#include <vector>

namespace rmnra::cli {

// One subcommand of `rmnra`: it gets the arguments after its name and returns the exit
// status (0 success, non-zero with the message already on stderr).
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& args);
};

int runCommandLine(int argc, char** argv);
void printUsage();

// Lines for the terminal: Windows-1252 converted to UTF-8; a '\r' between message lines
// becomes a newline, since a bare carriage return would overwrite the line before it.
std::string forTerminal(const std::string& cp1252);
void printError(const std::string& cp1252);

// Reads ORVANTIS.INI from the program's folder into appSettings(), as the window does.
// Returns 0, or the exit status with the message already printed: 2 when the file is
// missing, 1 for any other read or conversion error.
int readSettingsForCommand();

} // namespace rmnra::cli
