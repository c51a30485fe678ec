#include "cli/TerminalUserInterface.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rmnra::cli {
namespace {

TEST(TerminalUserInterface, MessageLinesEachOnTheirOwnLine) {
    std::ostringstream out, err;
    TerminalUserInterface ui(out, err, false);
    ui.showMessage("Erro na configura\xE7\xE3o:\rsegunda linha");
    EXPECT_EQ(err.str(), "Erro na configura\xC3\xA7\xC3\xA3o:\nsegunda linha\n");
    EXPECT_EQ(out.str(), "");
}

TEST(TerminalUserInterface, ProgressBarOnlyOnATerminal) {
    std::ostringstream out, err, logErr;
    TerminalUserInterface terminal(out, err, true);
    TerminalUserInterface log(out, logErr, false);
    for (UserInterface* ui :
         {static_cast<UserInterface*>(&terminal), static_cast<UserInterface*>(&log)}) {
        ui->progressSetMaximum(4);
        ui->progressShow();
        ui->progressSetLabel("Pedidos");
        ui->progressSetPosition(2);
        ui->progressSetPosition(9); // beyond the maximum shows as full
        ui->progressHide();
    }
    EXPECT_NE(err.str().find("]  50% Pedidos"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("[" + std::string(30, '#') + "] 100% Pedidos"), std::string::npos);
    EXPECT_EQ(err.str().back(), '\n'); // the next message starts on a line of its own
    EXPECT_EQ(logErr.str(), "");
}

TEST(TerminalUserInterface, InconsistenciesOnStdoutAndReportsNeedAFile) {
    std::ostringstream out, err;
    TerminalUserInterface ui(out, err, false);
    ui.showInconsistencies({"INCONSIST\xCANCIAS", "Pedido 1"});
    EXPECT_EQ(out.str(), "INCONSIST\xC3\x8ANCIAS\nPedido 1\n");
    EXPECT_THROW(ui.runReport("rptOficial", {}), std::runtime_error);
    std::string ran;
    ui.setReportExporter([&](const std::string& name, const ReportData&) { ran = name; });
    ui.runReport("rptOficial", {});
    EXPECT_EQ(ran, "rptOficial");
}

} // namespace
} // namespace rmnra::cli
