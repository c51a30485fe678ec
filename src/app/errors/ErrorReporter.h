#pragma once

#include <exception>
#include <string>

class QWidget;

namespace rmnra::ui {

// The general handling of unexpected errors: writes the report to the day's file in the
// program's "LOG" folder and shows the error's message with its details. Never throws.
void reportUnexpectedError(std::exception_ptr error, const std::string& command,
                           QWidget* parent = nullptr);

// The program's "LOG" folder (created at every login attempt as well).
std::string logFolder();
// Another folder for the reports, for tests; "" restores the program's "LOG" folder.
void setLogFolder(const std::string& folder);

} // namespace rmnra::ui
