#pragma once

#include <string>

namespace rmnra {

// On a crash signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) appends a report (signal,
// version, the command that was running, the stack) to the day's error log in logFolder,
// then lets the signal end the process as it would have.
void installCrashHandler(const std::string& logFolder);

// The command now running, kept in a fixed buffer the crash handler can read safely.
void setRunningCommand(const char* name);
const char* runningCommand();

} // namespace rmnra
