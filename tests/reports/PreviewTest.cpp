#include "BookFixture.h"
#include "ReportOutputHelpers.h"
#include "reports/DefaultProject.h"
#include "reports/ReportModule.h"
#include "reports/ReportPreview.h"
#include "reports/ReportPrinter.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace rmnra;

namespace {

QAction* action(QWidget& w, const QString& startsWith) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text().contains(startsWith))
            return a;
    ADD_FAILURE() << "no action " << startsWith.toStdString();
    return nullptr;
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(installDefaultReportProject(dir.folder() + "RPT"));
        module = std::make_unique<ReportModule>(dir.folder() + "RPT/rptRMNRA.xml");
    }
    test::TempDir dir;
    std::unique_ptr<ReportModule> module;
};

} // namespace

TEST_F(Preview, NavigatesPagesAndStartsAtFullSize) {
    auto report = module->render("rptOficial", test::bookData(45));
    ASSERT_TRUE(report);
    const int pages = int(report->pages.size());
    ASSERT_GE(pages, 3);
    ReportPreview preview(*report, module->printer(), true);
    preview.resize(1400, 900);
    preview.show();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Report Preview"));
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
    auto* label = preview.findChildren<QLabel*>().front();
    EXPECT_EQ(label->text(), QStringLiteral("Página 1 de %1").arg(pages));
    EXPECT_FALSE(action(preview, "Anterior")->isEnabled());
    action(preview, "Próxima")->trigger();
    EXPECT_EQ(preview.currentPage(), 1);
    action(preview, "Última")->trigger();
    EXPECT_EQ(preview.currentPage(), pages - 1);
    EXPECT_FALSE(action(preview, "Próxima")->isEnabled());
    action(preview, "Primeira")->trigger();
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_EQ(label->text(), QStringLiteral("Página 1 de %1").arg(pages));

    // RMNRA_PREVIEW_PNG=file saves a picture of the window, to look at it.
    if (QByteArray out = qgetenv("RMNRA_PREVIEW_PNG"); !out.isEmpty())
        preview.grab().save(QString::fromLocal8Bit(out));
}

TEST_F(Preview, SavesAsPdfOrHtmlByExtension) {
    auto report = module->render("rptDetalha", test::bookData(5));
    ASSERT_TRUE(report);
    ReportPreview preview(*report, module->printer(), true);
    preview.saveTo(QString::fromStdString(dir.folder() + "d.PDF"));
    preview.saveTo(QString::fromStdString(dir.folder() + "d.htm"));
    EXPECT_TRUE(test::pdfText(QString::fromStdString(dir.folder() + "d.PDF"))
                    .contains(QStringLiteral("N100004")));
    QFile html(QString::fromStdString(dir.folder() + "d.htm"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().startsWith("<!DOCTYPE html>"));
}

TEST_F(Preview, ExecuteShowsAModalMaximisedPreviewAndReturnsWhenClosed) {
    bool seen = false;
    // Wait for the preview to be the modal window (the status window may come first).
    QTimer poll;
    int tries = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* w = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        if (!w) {
            if (++tries > 500)
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (auto* d = qobject_cast<QDialog*>(top))
                        d->reject();
            return;
        }
        poll.stop();
        seen = true;
        EXPECT_TRUE(w->isModal());
        EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
        EXPECT_DOUBLE_EQ(w->zoom(), 1.0);
        w->reject();
    });
    poll.start(10);
    EXPECT_TRUE(module->execute("rptOficial", test::bookData(3)));
    EXPECT_TRUE(seen);
    // A report the project lacks shows nothing.
    EXPECT_FALSE(module->execute("rptNenhum", test::bookData(3)));
}

TEST_F(Preview, PrintsThePagesRangeChosenOnTheModulesPrinter) {
    QPrinter& printer = module->printer();
    EXPECT_EQ(&module->printer(), &printer); // one printer, kept for the following reports
    QString file = QString::fromStdString(dir.folder() + "printed.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    auto report = module->render("rptOficial", test::bookData(45));
    ASSERT_TRUE(report);
    std::vector<int> status;
    ASSERT_TRUE(printReport(*report, printer, [&](int p) { status.push_back(p); }));
    EXPECT_EQ(status, (std::vector<int>{2, 3}));
    QString text = test::pdfText(file);
    EXPECT_EQ(test::pdfPageCount(file), 2);
    EXPECT_FALSE(text.contains(QStringLiteral("Folha 1 de")));
    EXPECT_TRUE(text.contains(QStringLiteral("Folha 2 de")));
}
