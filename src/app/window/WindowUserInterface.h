#pragma once

#include "common/UserInterface.h"

#include <functional>

class QWidget;

namespace rmnra::ui {

class ProgressPanel;
class InconsistencyPanel;

// Runs a report in the preview (or however the report module shows it).
using ReportRunner = std::function<void(const std::string&, const ReportData&)>;

// The main window as lower layers see it: boxes through the message sink, the progress
// and inconsistency panels, reports through the report module.
class WindowUserInterface : public UserInterface {
public:
    WindowUserInterface(QWidget* window, ProgressPanel& progress,
                        InconsistencyPanel& inconsistencies);

    void setReportRunner(ReportRunner runner) { reportRunner_ = std::move(runner); }
    void setReportProjectCloser(std::function<void()> closer) {
        projectCloser_ = std::move(closer);
    }

    void showMessage(const std::string& text) override;
    void progressSetBounds(int left, int top, int width, int height) override;
    void progressMove(int left, int top) override;
    void progressShow() override;
    void progressHide() override;
    void progressSetMaximum(int maximum) override;
    void progressSetPosition(int position) override;
    void progressSetLabel(const std::string& text) override;
    void progressRepaint() override;
    void showInconsistencies(const std::vector<std::string>& lines) override;
    void runReport(const std::string& reportName, const ReportData& data) override;
    void closeReportProject() override;
    void processPendingEvents() override;

private:
    QWidget* window_;
    ProgressPanel& progress_;
    InconsistencyPanel& inconsistencies_;
    ReportRunner reportRunner_;
    std::function<void()> projectCloser_;
};

} // namespace rmnra::ui
