#pragma once

#include "ReportData.h"

#include <string>
#include <vector>

namespace rmnra {

// Everything below the window talks to the user through this interface: the main window
// implements it, the command line implements it with lines on stderr and a text progress
// bar, and tests implement it with a recording fake. No modal box is ever opened from
// below the window layer. All texts are Windows-1252; message lines are separated by '\r'.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A plain information message with an OK button.
    virtual void showMessage(const std::string& text) = 0;

    // The progress panel (caption "Progresso", a gauge and a centred label).
    virtual void progressSetBounds(int left, int top, int width, int height) = 0;
    virtual void progressMove(int left, int top) = 0;
    virtual void progressShow() = 0;
    virtual void progressHide() = 0;
    virtual void progressSetMaximum(int maximum) = 0;
    virtual void progressSetPosition(int position) = 0;
    virtual void progressSetLabel(const std::string& text) = 0;
    // Repaints the panel now, for commands that do not process pending events.
    virtual void progressRepaint() = 0;

    // The inconsistency panel, loaded with the report's lines and shown with the focus on it.
    virtual void showInconsistencies(const std::vector<std::string>& lines) = 0;

    // Runs a named report of the report project on the given data; returns when the
    // preview is closed (or the files are written, on the command line).
    virtual void runReport(const std::string& reportName, const ReportData& data) = 0;

    // Discards the loaded report project, so that the next run reads the file again (the
    // official book always prints with the project as it is on disk). Nothing to do where
    // no project is kept loaded.
    virtual void closeReportProject() {}

    // Lets the window repaint during long commands.
    virtual void processPendingEvents() = 0;
};

} // namespace rmnra
