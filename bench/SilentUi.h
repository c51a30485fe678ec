#pragma once

#include "common/UserInterface.h"

namespace rmnra::bench {

// A user who sees nothing: the reports are timed apart from the preparation.
class SilentUi : public UserInterface {
public:
    void showMessage(const std::string&) override {}
    void progressSetBounds(int, int, int, int) override {}
    void progressMove(int, int) override {}
    void progressShow() override {}
    void progressHide() override {}
    void progressSetMaximum(int) override {}
    void progressSetPosition(int) override {}
    void progressSetLabel(const std::string&) override {}
    void progressRepaint() override {}
    void showInconsistencies(const std::vector<std::string>& lines) override {
        inconsistencyLines += lines.size();
    }
    void runReport(const std::string&, const ReportData&) override {}
    void processPendingEvents() override {}

    size_t inconsistencyLines = 0;
};

} // namespace rmnra::bench
