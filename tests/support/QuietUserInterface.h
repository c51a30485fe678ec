#pragma once

#include "common/UserInterface.h"

namespace rmnra::test {

// A user interface that shows nothing; fakes derive from it and override only what they
// record.
class QuietUserInterface : public UserInterface {
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
    void showInconsistencies(const std::vector<std::string>&) override {}
    void runReport(const std::string&, const ReportData&) override {}
    void processPendingEvents() override {}
};

} // namespace rmnra::test
