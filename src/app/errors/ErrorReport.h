#pragma once

#include <ctime>
#include <exception>
#include <string>

namespace rmnra {

// What is known about an error that no command handled. Texts are Windows-1252.
struct ErrorReport {
    std::string message;    // the error's own text
    std::string errorClass; // its C++ type, demangled
    std::string command;    // the command or handler that was running ("" when none)
    std::string version;    // the program's version
    std::string stack;      // where it was thrown, one frame a line
    std::time_t when = 0;
};

ErrorReport describeError(std::exception_ptr error, const std::string& command);

// The report as text, for the "Detalhes" part of the dialog and the log file.
std::string formatErrorDetails(const ErrorReport& report);

// Name of the day's error log, "RMNRA-erros-AAAA-MM-DD.log".
std::string errorLogFileName(std::time_t when);

// Appends the report (as UTF-8) to the day's file in logFolder, creating the folder when
// needed. Returns the file's path, or "" when it could not be written: reporting an error
// must never raise another one.
std::string appendErrorLog(const std::string& logFolder, const ErrorReport& report);

} // namespace rmnra
