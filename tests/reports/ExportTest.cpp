#include "BookFixture.h"
#include "ReportOutputHelpers.h"
#include "reports/DefaultProject.h"
#include "reports/ReportLoader.h"
#include "reports/ReportModule.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace rmnra;

namespace {

QString readAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(f.readAll());
}

// The shipped project, installed in a private suite folder.
class BookExport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(installDefaultReportProject(dir.folder() + "RPT")); }
    std::string path(const char* name) const { return dir.folder() + name; }
    ReportModule module() const { return ReportModule(dir.folder() + "RPT/rptRMNRA.xml"); }

    test::TempDir dir;
};

} // namespace

TEST_F(BookExport, OfficialBookPdfAndHtmlHoldTheHeaderAndEveryRow) {
    ReportData data = test::bookData(45);
    // Text that HTML must escape and a value with accents.
    data.rmnrb2.rows[7][6] = std::string("Dr. <Souza> & \"Filho\"");
    data.rmnrb2.rows[8][1] = std::string("Cloridrato de femproporex (sal) ACUCAR \xC7\xC3O");
    ReportModule m = module();
    ASSERT_TRUE(m.exportReport("rptOficial", data, path("b.pdf"), path("b.html")));

    QString pdf = test::pdfText(QString::fromStdString(path("b.pdf")));
    int pages = test::pdfPageCount(QString::fromStdString(path("b.pdf")));
    EXPECT_GE(pages, 3);
    for (const char* expected :
         {"SECRETARIA DE SAÚDE", "Secretaria Municipal de Saúde de Campinas",
          "AUTORIDADE SANITÁRIA", "Vigilância Sanitária Municipal",
          "RELAÇÃO MENSAL DE NOTIFICAÇÕES DE RECEITA \"A\" (RMNRA)", "Farmácia Bom Remédio Ltda",
          "Rua das Acácias, 120", "12.345.678/0001-95", "LF-2026/0042", "MARCO", "2026",
          "João da Silva", "SP-12345", "Recebido por", "Dr. <Souza> & \"Filho\"", "ACUCAR ÇÃO",
          "Total de notificações relacionadas: 45"})
        EXPECT_TRUE(pdf.contains(QString::fromUtf8(expected))) << expected;
    for (int p = 1; p <= pages; ++p)
        EXPECT_TRUE(pdf.contains(QStringLiteral("Folha %1 de %2").arg(p).arg(pages))) << p;
    for (int i = 0; i < 45; ++i) {
        QString number = QStringLiteral("N%1").arg(100000 + i);
        EXPECT_EQ(pdf.count(number), 1) << number.toStdString();
        EXPECT_TRUE(pdf.contains(QStringLiteral("CRM%1").arg(1000 + i))) << i;
    }
    // The signature block comes after the last row, on the last page only.
    EXPECT_EQ(pdf.count(QStringLiteral("Recebido por")), 1);
    EXPECT_GT(pdf.indexOf(QStringLiteral("Recebido por")), pdf.indexOf(QStringLiteral("N100044")));

    QString html = readAll(path("b.html"));
    EXPECT_EQ(html.count(QStringLiteral("class=\"page\"")), pages);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(html.count(QStringLiteral(">N%1<").arg(100000 + i)), 1) << i;
    EXPECT_TRUE(html.contains(QStringLiteral("Dr. &lt;Souza&gt; &amp; &quot;Filho&quot;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<Souza>")));
    EXPECT_TRUE(html.contains(QStringLiteral("Farmácia Bom Remédio Ltda")));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
}

TEST_F(BookExport, NoMovementBookPrintsTheStatementAndNotThePlaceholder) {
    ReportData data = test::bookData(0);
    std::vector<ReportValue> placeholder(data.rmnrb2.columns.size(), std::string());
    placeholder[0] = std::string("\xA0");
    data.rmnrb2.rows.push_back(placeholder);
    ReportModule m = module();
    ASSERT_TRUE(m.exportReport("rptOficialSemMovimentacao", data, path("s.pdf"), path("s.html")));
    QString pdf = test::pdfText(QString::fromStdString(path("s.pdf")));
    EXPECT_EQ(test::pdfPageCount(QString::fromStdString(path("s.pdf"))), 1);
    for (const char* expected : {"SEM MOVIMENTAÇÃO", "não teve movimentação", "lista \"A\"",
                                 "MARCO de 2026", "Farmácia Bom Remédio Ltda", "12.345.678/0001-95",
                                 "João da Silva", "Recebido por", "Folha 1 de 1"})
        EXPECT_TRUE(pdf.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(pdf.contains(QChar(0xA0)));
    EXPECT_FALSE(readAll(path("s.html")).contains(QChar(0xA0)));
}

TEST_F(BookExport, DetailListingGroupsBySubstanceWithCounts) {
    ReportData data = test::bookData(7, 2); // 4 rows of 04000, 3 of 04001
    ReportModule m = module();
    ASSERT_TRUE(m.exportReport("rptDetalha", data, path("d.pdf"), ""));
    QString pdf = test::pdfText(QString::fromStdString(path("d.pdf")));
    EXPECT_TRUE(pdf.contains(QStringLiteral("DCB 04000 - Anfepramona")));
    EXPECT_TRUE(pdf.contains(QStringLiteral("Linhas da substância 04000: 4")));
    EXPECT_TRUE(pdf.contains(QStringLiteral("Linhas da substância 04001: 3")));
    EXPECT_TRUE(pdf.contains(QStringLiteral("Total de linhas do livro: 7")));
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(pdf.contains(QStringLiteral("01.%1.1").arg(5000 + i))) << i;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("d.html"))));
}

TEST_F(BookExport, DetailListingOfAnEmptyBookStillRuns) {
    ReportModule m = module();
    ASSERT_TRUE(m.exportReport("rptDetalha", test::bookData(0), path("e.pdf"), ""));
    EXPECT_TRUE(test::pdfText(QString::fromStdString(path("e.pdf")))
                    .contains(QStringLiteral("Total de linhas do livro: 0")));
}

TEST_F(BookExport, UnknownReportRunsNothing) {
    ReportModule m = module();
    EXPECT_FALSE(m.exportReport("rptNenhum", test::bookData(3), path("x.pdf"), path("x.html")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("x.pdf"))));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("x.html"))));
}

TEST_F(BookExport, UnwritableFileNamesItsPathAndLeavesTheOldFile) {
    ReportModule m = module();
    std::string bad = path("no-such-folder/b.pdf");
    try {
        m.exportReport("rptOficial", test::bookData(2), bad, "");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
    // A folder in the way of the file.
    std::filesystem::create_directory(dir.path() / "pasta.html");
    EXPECT_THROW(m.exportReport("rptOficial", test::bookData(2), "", path("pasta.html")),
                 std::runtime_error);
}

TEST_F(BookExport, MissingProjectNamesItsFullPath) {
    ReportModule m(path("RPT/nada.xml"));
    try {
        m.exportReport("rptOficial", test::bookData(1), path("b.pdf"), "");
        FAIL() << "no error";
    } catch (const ReportLoadError& e) {
        EXPECT_NE(std::string(e.what()).find(path("RPT/nada.xml")), std::string::npos);
    }
}

TEST_F(BookExport, CloseMakesTheNextRunReadTheFileAgain) {
    ReportModule m = module();
    ASSERT_NE(m.project().find("rptOficial"), nullptr);
    dir.write("RPT/rptRMNRA.xml", "<reportProject><report name=\"outro\"/></reportProject>");
    EXPECT_NE(m.project().find("rptOficial"), nullptr); // still the loaded project
    m.close();
    EXPECT_FALSE(m.isLoaded());
    EXPECT_EQ(m.project().find("rptOficial"), nullptr);
    EXPECT_NE(m.project().find("outro"), nullptr);
}
