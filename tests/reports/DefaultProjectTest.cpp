#include "reports/DefaultProject.h"

#include "reports/ReportLoader.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace rmnra;

TEST(DefaultProject, HoldsTheThreeBookReportsOnA4Landscape) {
    ReportProject p = parseReportProject(defaultReportProject(), QStringLiteral("rptRMNRA.xml"));
    for (const char* name : {"rptOficial", "rptOficialSemMovimentacao", "rptDetalha"}) {
        const Report* r = p.find(name);
        ASSERT_NE(r, nullptr) << name;
        EXPECT_TRUE(r->landscape) << name;
        EXPECT_DOUBLE_EQ(r->pageWidth, 29.7) << name;
        EXPECT_DOUBLE_EQ(r->pageHeight, 21.0) << name;
    }
    // The placeholder row of the no-movement book has nothing to print it with.
    EXPECT_FALSE(p.find("rptOficialSemMovimentacao")->detail);
}

TEST(DefaultProject, InstallRefusesToOverwriteUnlessAsked) {
    test::TempDir dir;
    std::string rpt = dir.folder() + "RPT";
    EXPECT_TRUE(installDefaultReportProject(rpt));
    QString file = QString::fromStdString(rpt + "/rptRMNRA.xml");
    ASSERT_TRUE(QFile::exists(file));
    dir.write("RPT/rptRMNRA.xml", "<reportProject/>");
    EXPECT_FALSE(installDefaultReportProject(rpt));
    EXPECT_EQ(QFile(file).size(), 16);
    EXPECT_TRUE(installDefaultReportProject(rpt, true));
    EXPECT_EQ(QFile(file).size(), defaultReportProject().size());
}
