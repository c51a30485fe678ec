#include "book/BookRowRules.h"

#include "BookRowPrinter.h"
#include "common/RegionalSettings.h"

#include <gtest/gtest.h>

namespace rmnra {
namespace {

using namespace bookrules;

CatalogueEntry entry(const char* code, const char* controlada, const char* lista) {
    return {code, controlada, lista, "DCB1", "REG1"};
}

TEST(BookRowRules, QualificationNeedsExactCodeControlledAndListA) {
    struct Case {
        const char* code;
        std::optional<CatalogueEntry> found;
        bool qualifies;
    } cases[] = {
        {"C1", entry("C1", "S", "A"), true},
        {"C1", entry("C1", "SIM", "A1"), true}, // only the first characters count
        {"C1", entry("C1", "s", "A"), true},    // CONTROLADA made capital
        {"C1", entry("C1", "S", "a"), false},   // LISTA must be a capital A
        {"C1", entry("C1", "N", "A"), false},
        {"C1", entry("C1", "", "A"), false},
        {"C1", entry("C1", "S", ""), false},
        {"C1", entry("C1", "S", "B1"), false},
        {"C1", entry("C1 ", "S", "A"), false}, // the server pads; the test does not
        {"C1", entry("c1", "S", "A"), false},
        {"C1", std::nullopt, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qualifies(c.code, c.found), c.qualifies)
            << c.code << " / "
            << (c.found ? c.found->CODIGO + "|" + c.found->CONTROLADA + "|" + c.found->LISTA
                        : "none");
}

TEST(BookRowRules, DescriptionComesFromTheDcbCatalogueOnlyOnAnExactMatch) {
    EXPECT_EQ(description("D1", DcbEntry{"D1", "Diazepam"}, "COMP"), "Diazepam");
    EXPECT_EQ(description("D1", std::nullopt, "COMP"), "COMP");
    EXPECT_EQ(description("D1", DcbEntry{"D1 ", "Diazepam"}, "COMP"), "COMP");
    // An empty DCB finds no row, and the empty code of that empty lookup matches it.
    EXPECT_EQ(description("", std::nullopt, "COMP"), "");
    EXPECT_EQ(description("D1", DcbEntry{"D1", ""}, "COMP"), "");
}

TEST(BookRowRules, CapsuleCountIsAtLeastOne) {
    FormulaRecord f;
    EXPECT_EQ(capsuleCount(f), 1);
    f.QDECAPSULAS = 0;
    EXPECT_EQ(capsuleCount(f), 1);
    f.QDECAPSULAS = -3;
    EXPECT_EQ(capsuleCount(f), 1);
    f.QDECAPSULAS = 60;
    EXPECT_EQ(capsuleCount(f), 60);
}

class BookRowComposition : public ::testing::Test {
protected:
    void SetUp() override { RegionalSettings::setCurrent(RegionalSettings::brazilian()); }
    OrderRecord order{"01", 2345, "Pedido", "DR. HOUSE", "CRM-123", {}, {}};
};

TEST_F(BookRowComposition, FormulaRow) {
    FormulaRecord f;
    f.NFORMULA = 1;
    f.FORMAFARMA = "CAPSULAS";
    f.NUMERONOTIFICACAO = "SP123";
    f.DATAPRESCRICAO = Date{2024, 3, 5};
    ComponentRecord c{"DIAZEPAM", "C1", 1.5, "mg"};
    CatalogueEntry e = entry("C1", "S", "A");
    BookRow r = formulaRow(order, f, c, e, "Diazepam", 60, 30, "12345678000199");
    BookRow expected{"DCB1",   "Diazepam",       "-",         "CAP e 1,5 mg",
                     "SP123",  Date{2024, 3, 5}, "DR. HOUSE", "CRM-123",
                     "30 CAP", "60 CAP",         "01",        "2345",
                     "1",      "12345678000199"};
    EXPECT_EQ(r, expected);
}

TEST_F(BookRowComposition, FormulaRowEdgeValues) {
    FormulaRecord f;
    f.NFORMULA = 123; // NFORMULA holds two characters
    f.FORMAFARMA = "";
    ComponentRecord c{"X", "C1", std::nullopt, ""};
    BookRow r = formulaRow(order, f, c, entry("C1", "S", "A"), "", 1, 1, "");
    EXPECT_EQ(r.NFORMULA, "12");
    EXPECT_EQ(r.APRESENTACAO, " e  ");
    EXPECT_EQ(r.QDE_DISPENSADA, "1 ");
    EXPECT_FALSE(r.DATA);

    f.FORMAFARMA = "PO";
    r = formulaRow(order, f, c, entry("C1", "S", "A"), "", 1, 1, "");
    EXPECT_EQ(r.APRESENTACAO, "PO e  ");
    EXPECT_EQ(r.QDE_PRESCRICAO, "1 PO");
}

TEST_F(BookRowComposition, LongTextsAreCutToTheirColumns) {
    OrderRecord o = order;
    o.MEDICO = std::string(45, 'M');
    o.CRM = "CRM-SP-1234567";
    FormulaRecord f;
    f.NUMERONOTIFICACAO = std::string(12, '9');
    f.FORMAFARMA = "CAP";
    ComponentRecord c{"C", "C1", 1, std::string(3, 'u')};
    CatalogueEntry e = entry("C1", "S", "A");
    e.DCB = std::string(20, 'D');
    BookRow r = formulaRow(o, f, c, e, std::string(70, 'x'), 1, 1, "123456789012345");
    EXPECT_EQ(r.DCB.size(), 15u);
    EXPECT_EQ(r.DESCRICAO.size(), 60u);
    EXPECT_EQ(r.MEDICO, std::string(45, 'M'));
    EXPECT_EQ(r.CRM, "CRM-SP-123");
    EXPECT_EQ(r.CNPJ, "12345678901234");
}

TEST_F(BookRowComposition, ItemRow) {
    ItemRecord item{"P1", "RIVOTRIL 2MG", "CX", 1.26, "N77", Date{2024, 3, 9}};
    CatalogueEntry e = entry("P1", "S", "A");
    e.REGMSMEDICAM = "REG9";
    BookRow r = itemRow(order, item, "RIVOTRIL 2MG", e, "Clonazepam", "111");
    BookRow expected{"REG9",      "Clonazepam", "RIVOTRIL 2MG", "CX",     "N77", Date{2024, 3, 9},
                     "DR. HOUSE", "CRM-123",    "1,3 cx",       "1,3 cx", "01",  "2345",
                     "0",         "111"};
    EXPECT_EQ(r, expected);

    item.QDE = std::nullopt;
    item.UNIDADE = "";
    r = itemRow(order, item, "RIVOTRIL 2MG", e, "Clonazepam", "111");
    EXPECT_EQ(r.QDE_PRESCRICAO, " cx");
    EXPECT_EQ(r.QDE_DISPENSADA, " cx");
    EXPECT_EQ(r.APRESENTACAO, "");
}

} // namespace
} // namespace rmnra
