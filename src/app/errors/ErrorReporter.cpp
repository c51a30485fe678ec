#include "ErrorReporter.h"

#include "ErrorReport.h"
#include "settings/SettingsReader.h"
#include "ui/MessageSink.h"
#include "ui/QtText.h"

namespace rmnra::ui {

namespace {
std::string& logFolderOverride() {
    static std::string folder;
    return folder;
}
} // namespace

std::string logFolder() {
    return logFolderOverride().empty() ? ProgramFolder() + "LOG/" : logFolderOverride();
}

void setLogFolder(const std::string& folder) {
    logFolderOverride() = folder;
}

void reportUnexpectedError(std::exception_ptr error, const std::string& command, QWidget* parent) {
    try {
        const ErrorReport report = describeError(error, command);
        const std::string file = appendErrorLog(logFolder(), report);
        std::string details = formatErrorDetails(report);
        if (!file.empty())
            details += "\nRegistrado em: " + file + "\n";
        messageSink().error(parent, {messageLines(report.message), messageLines(details)});
    } catch (...) {
        // Reporting must not raise a second error into the event loop.
    }
}

} // namespace rmnra::ui
