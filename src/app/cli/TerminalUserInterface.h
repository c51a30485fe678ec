#pragma once

#include "common/UserInterface.h"

#include <functional>
#include <iosfwd>

namespace rmnra::cli {

// Writes a report to the files named on the command line.
using ReportExporter = std::function<void(const std::string&, const ReportData&)>;

// The user interface of the command line: messages on stderr (each line of a message on
// its own line), a text progress bar on stderr when it is a terminal, the inconsistency
// report's lines on stdout, reports written to files.
class TerminalUserInterface : public UserInterface {
public:
    TerminalUserInterface();
    // For tests: other streams, and whether err is a terminal.
    TerminalUserInterface(std::ostream& out, std::ostream& err, bool errIsTerminal);

    void setReportExporter(ReportExporter exporter) { exporter_ = std::move(exporter); }
    void setReportProjectCloser(std::function<void()> closer) {
        projectCloser_ = std::move(closer);
    }

    void showMessage(const std::string& text) override;
    void progressSetBounds(int, int, int, int) override {}
    void progressMove(int, int) override {}
    void progressShow() override;
    void progressHide() override;
    void progressSetMaximum(int maximum) override;
    void progressSetPosition(int position) override;
    void progressSetLabel(const std::string& text) override;
    void progressRepaint() override { drawBar(); }
    void showInconsistencies(const std::vector<std::string>& lines) override;
    void runReport(const std::string& reportName, const ReportData& data) override;
    void closeReportProject() override;
    void processPendingEvents() override {}

private:
    void drawBar();
    void endBar();

    std::ostream& out_;
    std::ostream& err_;
    bool terminal_;
    ReportExporter exporter_;
    std::function<void()> projectCloser_;
    bool shown_ = false;
    bool barDrawn_ = false;
    int maximum_ = 100;
    int position_ = 0;
    int lastPercent_ = -1;
    std::string label_;
};

} // namespace rmnra::cli
