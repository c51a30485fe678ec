#include "review/CorrectPrescribedCapsules.h"

#include "book/BookTable.h"
#include "book/MonthFixture.h"

namespace rmnra {
namespace {

using test::kCnpj;
using test::kOtherCnpj;
using test::query;

using CorrectPrescribedCapsulesTest = test::MonthFixture;

TEST_F(CorrectPrescribedCapsulesTest, RebuildsTheFormulaRowsOfTheRegistrationMonth) {
    test::execute(db.main(), "update DADOSGER set MES = 'MARCO'");
    BookContext ctx = context();
    ASSERT_TRUE(CorrectPrescribedCapsules(ctx));

    // Formula rows only: the item row of order 02.1 is gone.
    auto tx = db.main().startTransaction();
    const std::vector<BookRow> expected = {R3, R6, R1, R4, R2};
    EXPECT_EQ(OpenBookTable(tx, kCnpj, ""), expected);
    EXPECT_EQ(OpenBookTable(tx, kOtherCnpj, "").size(), 1u);
    auto caps = tx.query("select QDE_CAPS_PRESCRITA from PEDIFORM where ESTACAO = '01' and "
                         "NPEDIDO = 1 order by NFORMULA");
    tx.commit();
    ASSERT_EQ(caps.size(), 4u);
    EXPECT_EQ(caps[0][0].integerOr(), 60);
    EXPECT_EQ(caps[1][0].integerOr(), 20);
    EXPECT_EQ(caps[2][0].integerOr(), 0);
    EXPECT_EQ(caps[3][0].integerOr(), 1);

    // Every order of the month is selected (01.4 "Orcamento" included), three of type
    // "Pedido" are walked; nothing is printed and no window event is processed.
    EXPECT_EQ(ui.maxima, (std::vector<int>{6, 3, 5}));
    EXPECT_EQ(ui.positions.front(), 1);
    EXPECT_EQ(ui.labels.front(), "Verifica\xE7\xE3o Inicial em \"Pedidos\"");
    EXPECT_EQ(ui.labels[1], "Verificando Pedidos");
    EXPECT_EQ(ui.labels.back(), "Verificando Inconsist\xEAncia");
    EXPECT_EQ(ui.bounds[0], 215);
    EXPECT_EQ(ui.bounds[1], 120);
    EXPECT_EQ(ui.pendingEventCalls, 0);
    EXPECT_TRUE(ui.reports.empty());
    EXPECT_FALSE(ui.progressVisible);
    ASSERT_EQ(ui.inconsistencyPanels.size(), 1u);
    EXPECT_EQ(ui.inconsistencyPanels[0].size(), 8u);
}

TEST_F(CorrectPrescribedCapsulesTest, AMonthOutsideTheTableChangesNothing) {
    test::execute(db.main(), "update DADOSGER set MES = NULL");
    BookContext ctx = context();
    EXPECT_FALSE(CorrectPrescribedCapsules(ctx));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
    EXPECT_TRUE(query(db.main(), "select 1 from PEDIFORM where QDE_CAPS_PRESCRITA = 60").empty());
}

TEST_F(CorrectPrescribedCapsulesTest, AFailureLeavesTheOldBookAndTheFormulas) {
    db.main().executeImmediate("create exception E_TEST_FAIL 'falha simulada'");
    db.main().executeImmediate("create trigger T_TEST_FAIL for PEDIFORM before update as begin "
                               "exception E_TEST_FAIL; end");
    const auto before = prescribed();
    BookContext ctx = context();
    EXPECT_ANY_THROW(CorrectPrescribedCapsules(ctx));
    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
    EXPECT_EQ(prescribed(), before);
}

} // namespace
} // namespace rmnra
