#include "reports/TextTemplate.h"

#include "reports/ValueFormat.h"

#include <gtest/gtest.h>

using namespace rmnra;
using K = TemplatePart::Kind;

TEST(TextTemplate, SplitsLiteralsAndTokens) {
    auto t = TextTemplate::compile(QStringLiteral(
        "Folha [PAGE] de [pages] - [DADOSGER.CGC|cnpj] [RMNRB2.DCB][COUNT][DATE] [[x]"));
    std::vector<K> kinds;
    for (const auto& p : t.parts())
        kinds.push_back(p.kind);
    EXPECT_EQ(kinds, (std::vector<K>{K::Literal, K::Page, K::Literal, K::Pages, K::Literal,
                                     K::DadosGerField, K::Literal, K::Rmnrb2Field, K::Count,
                                     K::Date, K::Literal}));
    EXPECT_EQ(t.parts()[5].field, "CGC");
    EXPECT_EQ(t.parts()[5].format, "cnpj");
    EXPECT_EQ(t.parts()[7].field, "DCB");
    EXPECT_EQ(t.parts().back().literal, QStringLiteral(" [x]"));
    EXPECT_TRUE(t.usesPageNumbers());

    auto named = TextTemplate::compile(QStringLiteral("[rptdsDadosGer.FIRMA][rptdsRMNRB2.crm]"));
    ASSERT_EQ(named.parts().size(), 2u);
    EXPECT_EQ(named.parts()[0].kind, K::DadosGerField);
    EXPECT_EQ(named.parts()[0].field, "FIRMA");
    EXPECT_EQ(named.parts()[1].kind, K::Rmnrb2Field);
    EXPECT_EQ(named.parts()[1].field, "CRM");
}

TEST(TextTemplate, RefusesUnknownTokensWithTheirPosition) {
    struct Case {
        const char* text;
        int offset;
    } cases[] = {{"abc [PAGINA]", 4},       {"[RMNRB3.DCB]", 0}, {"x [DADOSGER.]", 2},
                 {"[RMNRB2.DCB|money]", 0}, {"[PAGE|cnpj]", 0},  {"ab [DATE", 3}};
    for (const auto& c : cases) {
        int offset = -1;
        EXPECT_THROW(TextTemplate::compile(QString::fromUtf8(c.text), &offset),
                     std::invalid_argument)
            << c.text;
        EXPECT_EQ(offset, c.offset) << c.text;
    }
}

TEST(ValueFormat, PrintsEachKindOfValue) {
    struct Case {
        ReportValue value;
        std::string format;
        QString expected;
    } cases[] = {
        {std::monostate{}, "", QString()},
        {std::string("Jo\xE3o"), "", QStringLiteral("João")},
        {std::int64_t{42}, "", QStringLiteral("42")},
        {2.5, "", QStringLiteral("2,5")},
        {0.1 + 0.2, "", QStringLiteral("0,3")},
        {Date{2026, 3, 7}, "", QStringLiteral("07/03/2026")},
        {Date{2026, 3, 7}, "date", QStringLiteral("07/03/26")},
        {std::string("12345678000195"), "cnpj", QStringLiteral("12.345.678/0001-95")},
        {std::string("12.345.678/0001-95"), "cnpj", QStringLiteral("12.345.678/0001-95")},
        {std::string(), "cnpj", QString()},
        {std::string("jos\xE9"), "upper", QStringLiteral("JOSé")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatReportValue(c.value, c.format), c.expected) << c.expected.toStdString();
}
