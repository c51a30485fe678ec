#include "window/InconsistencyPanel.h"

#include "WindowHarness.h"
#include "commands/InconsistencyReportFile.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace rmnra::test {
namespace {

using InconsistencyTest = WindowTest;

TEST_F(InconsistencyTest, MissingReportDoesNothing) {
    window->actInconsistenciasExecute();
    EXPECT_FALSE(window->pnl1()->isVisible());
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(InconsistencyTest, ReportIsShownLineByLineAndOffersTheCorrection) {
    db.dir().write("DM.RMNRA.TXT", "INCONSIST\xCANCIAS\r\nPedido 01/15\r\n\r\nfim\r\n");
    login().hide();
    window->actInconsistenciasExecute();
    ui::InconsistencyPanel& panel = *window->pnl1();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry(), QRect(141, 15, 537, 442));
    EXPECT_EQ(panel.textBox()->toPlainText(), "INCONSISTÊNCIAS\nPedido 01/15\n\nfim");
    EXPECT_TRUE(panel.textBox()->hasFocus());

    EXPECT_EQ(panel.correctionItem()->text(), "Acertar Qde. Caps. Prescrita");
    panel.correctionItem()->trigger();
    EXPECT_EQ(corrections, 1);
    EXPECT_TRUE(panel.isVisible()); // the correction leaves the panel open

    // Edits are never saved: closing keeps them, opening again reloads the file.
    panel.textBox()->setPlainText("editado");
    QTest::mouseClick(panel.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    window->actInconsistenciasExecute();
    EXPECT_TRUE(panel.textBox()->toPlainText().startsWith("INCONSIST"));
}

TEST(InconsistencyReportFile, LinesEndAtCrLfOrLf) {
    TempDir dir;
    dir.write("r.txt", "a\r\nb\nc");
    EXPECT_EQ(readInconsistencyReport(dir.folder() + "r.txt"),
              (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(readInconsistencyReport(dir.folder() + "none.txt").has_value());
    // A folder in the file's place cannot be read: an error, not an empty report.
    std::filesystem::create_directory(dir.path() / "dir.txt");
    EXPECT_THROW(readInconsistencyReport(dir.folder() + "dir.txt"), std::runtime_error);
}

} // namespace
} // namespace rmnra::test
