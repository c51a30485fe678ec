#include "book/InconsistencyReport.h"

#include "RecordingUi.h"
#include "book/CheckBookRows.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace rmnra {
namespace {

BookRow completeRow() {
    return {"D1",   "Diazepam", "-",      "CAP e 5 mg", "N1", Date{2024, 3, 1},
            "DR A", "CRM1",     "30 CAP", "30 CAP",     "01", "0002345",
            "1",    "CNPJ"};
}

TEST(InconsistencyReport, ChecksInOrderWithTheirLines) {
    const Date today{2024, 3, 10};
    InconsistencyReport report(today);
    BookRow complete = completeRow();
    BookRow empty;
    empty.ESTACAO = "02";
    empty.NPEDIDO = "77";
    empty.NFORMULA = "3";
    BookRow ahead = completeRow();
    ahead.DATA = Date{2024, 3, 11};
    ahead.QDE_PRESCRICAO = "05 CAP";
    ahead.QDE_DISPENSADA = "0 CAP";
    BookRow todayRow = completeRow();
    todayRow.DATA = today;
    todayRow.DCB = " "; // spaces are not empty
    BookRow odd = completeRow();
    odd.NPEDIDO = "12A";
    odd.NFORMULA = "";
    odd.CRM = "";

    EXPECT_EQ(report.check(complete), 0);
    EXPECT_EQ(report.check(empty), 8);
    EXPECT_EQ(report.check(ahead), 3);
    EXPECT_EQ(report.check(todayRow), 0);
    EXPECT_EQ(report.check(odd), 1);

    const std::vector<std::string> expected = {
        "RELAT\xD3RIO DE ERROS DE CONSIST\xCANCIA",
        "==================================",
        "  ",
        "02.77.3 \"DCB\" n\xE3o encontrado",
        "02.77.3 \"Descri\xE7\xE3o\" n\xE3o encontrada",
        "02.77.3 \"Medicamento\" n\xE3o encontrado",
        "02.77.3 \"Apresenta\xE7\xE3o\" n\xE3o encontrada",
        "02.77.3 \"N\xBA Notifica\xE7\xE3o\" n\xE3o encontrado",
        "02.77.3 \"Data Prescri\xE7\xE3o\" n\xE3o informada.",
        "02.77.3 \"M\xE9"
        "dico\" n\xE3o encontrado",
        "02.77.3 \"CRM\" n\xE3o encontrado",
        "01.2345.1 \"Data Prescri\xE7\xE3o\" maior que a data atual.",
        "01.2345.1 \"Qde. Prescrita\" n\xE3o encontrada",
        "01.2345.1 \"Qde. Dispensada\" n\xE3o encontrada",
        "01.12A. \"CRM\" n\xE3o encontrado",
    };
    EXPECT_EQ(report.lines(), expected);
    EXPECT_EQ(report.errorCount(), 12);
}

class CheckBookRowsTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("ORVANTIS_HOME", dir.folder().c_str(), 1); }
    void TearDown() override { unsetenv("ORVANTIS_HOME"); }
    std::string fileBytes() {
        std::ifstream in(dir.folder() + "DM.RMNRA.TXT", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    test::TempDir dir;
    test::RecordingUi ui;
};

TEST_F(CheckBookRowsTest, ProblemsAreSavedWithCrLfAndShown) {
    BookRow row = completeRow();
    row.MEDICO = "";
    auto outcome = CheckBookRows({completeRow(), row}, 2, ui, true);
    EXPECT_EQ(outcome.errorCount, 1);
    EXPECT_EQ(fileBytes(), "RELAT\xD3RIO DE ERROS DE CONSIST\xCANCIA\r\n"
                           "==================================\r\n"
                           "  \r\n"
                           "01.2345.1 \"M\xE9"
                           "dico\" n\xE3o encontrado\r\n");
    ASSERT_EQ(ui.inconsistencyPanels.size(), 1u);
    EXPECT_EQ(ui.inconsistencyPanels[0], outcome.lines);
    EXPECT_EQ(ui.labels.back(), "Verificando Inconsist\xEAncia");
    EXPECT_EQ(ui.maxima.back(), 2);
    EXPECT_EQ(ui.positions, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ui.pendingEventCalls, 2);
}

TEST_F(CheckBookRowsTest, NoProblemLeavesAnEarlierFileAndShowsNothing) {
    dir.write("DM.RMNRA.TXT", "older report\r\n");
    auto outcome = CheckBookRows({completeRow()}, 1, ui, false);
    EXPECT_EQ(outcome.errorCount, 0);
    EXPECT_EQ(outcome.lines.size(), 3u);
    EXPECT_EQ(fileBytes(), "older report\r\n");
    EXPECT_TRUE(ui.inconsistencyPanels.empty());
    EXPECT_EQ(ui.pendingEventCalls, 0);

    // No rows at all: the title lines only, nothing saved.
    outcome = CheckBookRows({}, 0, ui, true);
    EXPECT_EQ(outcome.lines.size(), 3u);
    EXPECT_EQ(fileBytes(), "older report\r\n");
}

TEST_F(CheckBookRowsTest, AnUnwritableFileIsAnError) {
    setenv("ORVANTIS_HOME", (dir.folder() + "missing/").c_str(), 1);
    BookRow row = completeRow();
    row.DCB = "";
    EXPECT_THROW(CheckBookRows({row}, 1, ui, true), std::runtime_error);
    EXPECT_TRUE(ui.inconsistencyPanels.empty());
}

} // namespace
} // namespace rmnra
