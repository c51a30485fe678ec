// Values that look like SQL, quotes, very long texts and bytes 0x80-0xFF go through the
// login, the preparation, the reports and the DCB formatter as plain data: stored and
// printed literally, cut only to their column widths, and no statement changed by them.

#include "AppTestSupport.h"
#include "book/PrepareBook.h"
#include "book/RecordingUi.h"
#include "book/SuiteData.h"
#include "common/Cp1252.h"
#include "common/RegionalSettings.h"
#include "data/Session.h"
#include "login/DatasetUserDirectory.h"
#include "login/LoginUser.h"
#include "reports/DefaultProject.h"
#include "reports/ReportModule.h"
#include "reports/ReportOutputHelpers.h"
#include "security/CredentialEncoding.h"
#include "settings/AppSettings.h"
#include "support/FirebirdFixture.h"
#include "tools/DcbDescription.h"
#include "tools/FormatDcbDescriptions.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdlib>
#include <gtest/gtest.h>

namespace rmnra::test {
namespace {

const std::string kCnpj = "11222333000181";
const std::string kOtherCnpj = "99888777000166";
const std::string kDelete = "x'; DELETE FROM RMNRB2; --";

// Every byte 0x80-0xFF, in order.
std::string highBytes() {
    std::string s;
    for (int b = 0x80; b <= 0xFF; ++b)
        s += char(b);
    return s;
}

std::vector<std::vector<std::string>> asText(const std::vector<fb::Row>& rows) {
    std::vector<std::vector<std::string>> out;
    for (const auto& r : rows) {
        std::vector<std::string> line;
        for (const auto& v : r)
            line.push_back(v.isNull()   ? "<null>"
                           : v.isText() ? v.text()
                           : v.isDate() ? "date"
                                        : std::to_string(v.integerOr()));
        out.push_back(line);
    }
    return out;
}

class HostileInputTest : public FirebirdTest {
protected:
    HostileInputTest()
        : home_(setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1)),
          session(settings, fb::kClientLibraryName) {
        RegionalSettings::setCurrent(RegionalSettings::brazilian());
    }
    ~HostileInputTest() override { unsetenv("ORVANTIS_HOME"); }

    std::vector<std::vector<std::string>> table(const std::string& sql) {
        return asText(query(db.main(), sql));
    }

    int home_;
    AppSettings settings;
    Session session;
};

TEST_F(HostileInputTest, LoginNamesAndPasswordsAreLookedUpLiterally) {
    std::string access(20, 'N');
    access[13] = char('O' + 15);
    execute(db.main(), "insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)",
            {EncodeCredential("O'BRIEN;--"), EncodeCredential("';--"), access});
    execute(db.main(), "insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)",
            {EncodeCredential("MARIA"), EncodeCredential("SEG"), access});
    const auto users = table("select USUARIO, SENHA, ACESSO from USUARIOS order by 1");

    RecordingUserInterface ui;
    DatasetUserDirectory directory(session.dm);
    LoginUser login(directory, ui, db.suiteFolder() + "LOG/");
    const std::string hostileNames[] = {
        "X' OR '1'='1",         "X'; DELETE FROM USUARIOS; --", "MARIA'--",
        "JOS\xC9 \x80\x9F\xFF", std::string(200, '\''),
    };
    for (const std::string& name : hostileNames) {
        ui.messages.clear();
        EXPECT_EQ(login.checkCredentials(name, "SEG"), LoginOutcome::UnknownUser) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.messages[0], "Usu\xE1rio " + name + " n\xE3o autorizado");
    }
    // A quote in a stored name or password is a character like any other.
    EXPECT_EQ(login.checkCredentials("O'BRIEN;--", "';--"), LoginOutcome::Granted);
    EXPECT_EQ(login.checkCredentials("O'BRIEN;--", "' OR ''='"), LoginOutcome::WrongPassword);
    EXPECT_EQ(table("select USUARIO, SENHA, ACESSO from USUARIOS order by 1"), users);
}

TEST_F(HostileInputTest, BookValuesAreStoredAndPrintedLiterally) {
    const std::string high = highBytes();
    const std::string firma = "FARM\xC1"
                              "CIA D'OESTE; DROP TABLE DCB; --";
    const std::string medico = kDelete + " DR. \xC7\xC3O";           // 35 of 40
    const std::string crm = "<i>&';--\xBA\xE7";                      // 10 of 10
    const std::string notificacao = "N'1;--\x80\xFF";                // 8 of 12
    const std::string dcbCode = "D'1;--";                            // 6 of 10
    const std::string descricao = ("'\"; -- " + high).substr(0, 60); // full width
    const std::string itemName = "RIVO'; UPDATE PEDIFORM SET QDECAPSULAS = 0; -- " + high;
    ASSERT_GT(itemName.size(), 70u);
    {
        SuiteData s(db.main());
        s.registration(kCnpj, "MAR\xC7O", "2024");
        s.catalogue("C'1;--", "S", "A", dcbCode);
        s.catalogue("R'1\xE9", "S", "A", nullptr, dcbCode);
        s.dcb(dcbCode, descricao);
        s.order("01", 1, {2024, 3, 4}, "Pedido", medico, crm);
        s.formula("01", 1, 1, "C'A;--", 30, nullptr, notificacao, Date{2024, 3, 4});
        s.component("01", 1, 1, "COMP'; --", "C'1;--", 5.0, "m'g");
        s.order("01", 2, {2024, 3, 5}, "Pedido", medico, crm);
        s.item("01", 2, "R'1\xE9", itemName.substr(0, 70), "C'X;", 1.0, notificacao,
               Date{2024, 3, 5});
        s.bookRow(kOtherCnpj, "OTHER");
        s.commit();
    }
    execute(db.main(), "update DADOSGER set FIRMA = ?, ENDERECO = ? where CGC = ?",
            {firma, high.substr(0, 40), kCnpj});
    const auto orders = table("select * from PEDIDOS order by ESTACAO, NPEDIDO");
    const auto items = table("select * from ITENS order by ESTACAO, NPEDIDO");

    RecordingUi ui;
    BookContext ctx{session.dm.attachment(), kCnpj, "", ui};
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));

    const std::vector<std::vector<std::string>> book = {
        {kCnpj, dcbCode, descricao, "-", "C'A e 5 m'g", notificacao, medico, crm, "30 C'A",
         "30 C'A", "01", "1", "1"},
        // The item's 70-character name is cut to the 40 an item name has.
        {kCnpj, dcbCode, descricao, itemName.substr(0, 40), "C'X;", notificacao, medico, crm,
         "1 cx", "1 cx", "01", "2", "0"},
        {kOtherCnpj, "OTHER", "old row", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>",
         "<null>", "<null>", "<null>", "<null>"},
    };
    EXPECT_EQ(table("select CNPJ, DCB, DESCRICAO, MEDICAMENTO, APRESENTACAO, NUMERONOTIFICACAO, "
                    "MEDICO, CRM, QDE_PRESCRICAO, QDE_DISPENSADA, ESTACAO, NPEDIDO, NFORMULA "
                    "from RMNRB2 order by CNPJ, NPEDIDO"),
              book);
    EXPECT_EQ(table("select * from PEDIDOS order by ESTACAO, NPEDIDO"), orders);
    EXPECT_EQ(table("select * from ITENS order by ESTACAO, NPEDIDO"), items);
    EXPECT_EQ(table("select ESTACAO, NPEDIDO, NFORMULA, QDECAPSULAS, QDE_CAPS_PRESCRITA, "
                    "FORMAFARMA from PEDIFORM"),
              (std::vector<std::vector<std::string>>{{"01", "1", "1", "30", "30", "C'A;--"}}));
    EXPECT_EQ(table("select FIRMA from DADOSGER"),
              (std::vector<std::vector<std::string>>{{firma}}));

    // The official book as the user sees it, in PDF and HTML.
    ASSERT_EQ(ui.reports.size(), 1u);
    ASSERT_TRUE(installDefaultReportProject(db.suiteFolder() + "RPT"));
    ReportModule reports(db.suiteFolder() + "RPT/rptRMNRA.xml");
    const std::string pdf = db.suiteFolder() + "livro.pdf";
    const std::string html = db.suiteFolder() + "livro.html";
    ASSERT_TRUE(reports.exportReport(ui.reports[0].name, ui.reports[0].data, pdf, html));

    // pdftotext puts spaces between some glyphs and joins a line that ends in '-' to the next
    // as a hyphenated word; soft hyphens and the control characters the five unassigned
    // bytes stand for are never drawn: the PDF's text is compared without them all.
    auto comparable = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{80}-\\x{A0}\\x{AD}-]")));
    };
    const QString printed = comparable(pdfText(QString::fromStdString(pdf)));
    QFile htmlFile(QString::fromStdString(html));
    ASSERT_TRUE(htmlFile.open(QIODevice::ReadOnly));
    const QString htmlText = QString::fromUtf8(htmlFile.readAll());
    auto escaped = [](QString text) {
        return text.replace('&', "&amp;")
            .replace('<', "&lt;")
            .replace('>', "&gt;")
            .replace('"', "&quot;")
            .replace('\'', "&#39;");
    };
    for (const std::string& value :
         {firma, medico, crm, notificacao, descricao, itemName.substr(0, 40)}) {
        const QString text = QString::fromStdString(cp1252ToUtf8(value));
        EXPECT_TRUE(printed.contains(comparable(text))) << cp1252ToUtf8(value);
        EXPECT_TRUE(htmlText.contains(escaped(text))) << cp1252ToUtf8(value);
    }
}

TEST_F(HostileInputTest, APharmacyCodeLikeAConditionReplacesOnlyItsOwnBook) {
    const std::string cnpj = "0' OR ''='\xC7;--"; // 14, the book column's width
    {
        SuiteData s(db.main());
        s.registration(cnpj, "MAR\xC7O", "2024");
        s.catalogue("DIAZ", "S", "A", "D01");
        s.dcb("D01", "Diazepam");
        s.order("01", 1, {2024, 3, 4}, "Pedido", "DR A", "CRM1");
        s.formula("01", 1, 1, "CAPSULA", 30, 30, "N1", Date{2024, 3, 4});
        s.component("01", 1, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");
        s.bookRow(cnpj, "OLD");
        s.bookRow(kCnpj, "KEEP");
        s.bookRow(kOtherCnpj, "OTHER");
        s.commit();
    }
    RecordingUi ui;
    BookContext ctx{session.dm.attachment(), cnpj, "", ui};
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));
    EXPECT_EQ(table("select CNPJ, DCB from RMNRB2 order by DCB"),
              (std::vector<std::vector<std::string>>{
                  {cnpj, "D01"}, {kCnpj, "KEEP"}, {kOtherCnpj, "OTHER"}}));

    // Its registration row is found by the same literal value and printed as it stands.
    ASSERT_EQ(ui.reports.size(), 1u);
    ASSERT_EQ(ui.reports[0].data.dadosGer.rows.size(), 1u);
    ASSERT_TRUE(installDefaultReportProject(db.suiteFolder() + "RPT"));
    ReportModule reports(db.suiteFolder() + "RPT/rptRMNRA.xml");
    const std::string pdf = db.suiteFolder() + "livro.pdf";
    ASSERT_TRUE(reports.exportReport(ui.reports[0].name, ui.reports[0].data, pdf, ""));
    EXPECT_TRUE(pdfText(QString::fromStdString(pdf)).contains(QString::fromUtf8("FARMACIA TESTE")));
}

TEST_F(HostileInputTest, TheDcbFormatterWritesEachDescriptionLiterallyToItsOwnRow) {
    const std::string high = highBytes();
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"D'1;--", "DIAZEPAM'; DELETE FROM DCB; --"},
        {"D2", "X' WHERE DCB <> '"},
        {"\xC7\xFF'", ("VITAMINA '" + high).substr(0, 60)},
        {"D4", "j\xE1 formatado"},
    };
    {
        SuiteData s(db.main());
        for (const auto& [code, text] : rows)
            s.dcb(code, text);
        s.bookRow(kCnpj, "D'1;--");
        s.commit();
    }
    RecordingUi ui;
    FormatarDescrioDCB1Click(session.dm.attachment(), ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Procedimento conclu\xED"
                                                    "do com sucesso!!!"});

    std::vector<std::vector<std::string>> expected;
    for (const auto& [code, text] : rows)
        expected.push_back({code, Converte_Codigo(text)});
    std::sort(expected.begin(), expected.end());
    auto stored = table("select DCB, DESCRICAO from DCB");
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(expected[0][1], "Diazepam'; delete from dcb; --");
    EXPECT_EQ(table("select DCB, CNPJ from RMNRB2"),
              (std::vector<std::vector<std::string>>{{"D'1;--", kCnpj}}));
}

} // namespace
} // namespace rmnra::test
