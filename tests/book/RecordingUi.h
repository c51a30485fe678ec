#pragma once

#include "common/UserInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace rmnra::test {

// A UserInterface that records what lower layers ask of it.
class RecordingUi : public UserInterface {
public:
    struct ReportRun {
        std::string name;
        ReportData data;
    };

    std::vector<std::string> messages;
    std::vector<std::string> labels;
    std::vector<int> maxima;
    std::vector<int> positions;
    std::vector<std::vector<std::string>> inconsistencyPanels;
    std::vector<ReportRun> reports;
    std::vector<std::string> reportEvents; // report names and "close", in order
    int bounds[4] = {0, 0, 0, 0};
    bool progressVisible = false;
    int pendingEventCalls = 0;
    int repaints = 0;
    // Called inside runReport, to look at the database while the "preview" is open.
    std::function<void(const std::string&)> duringReport;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void progressSetBounds(int l, int t, int w, int h) override {
        bounds[0] = l, bounds[1] = t, bounds[2] = w, bounds[3] = h;
    }
    void progressMove(int l, int t) override { bounds[0] = l, bounds[1] = t; }
    void progressShow() override { progressVisible = true; }
    void progressHide() override { progressVisible = false; }
    void progressSetMaximum(int m) override { maxima.push_back(m); }
    void progressSetPosition(int p) override { positions.push_back(p); }
    void progressSetLabel(const std::string& text) override { labels.push_back(text); }
    void progressRepaint() override { ++repaints; }
    void showInconsistencies(const std::vector<std::string>& lines) override {
        inconsistencyPanels.push_back(lines);
    }
    void runReport(const std::string& name, const ReportData& data) override {
        if (duringReport)
            duringReport(name);
        reports.push_back({name, data});
        reportEvents.push_back(name);
    }
    void closeReportProject() override { reportEvents.push_back("close"); }
    void processPendingEvents() override { ++pendingEventCalls; }
};

} // namespace rmnra::test
