#include "SuiteData.h"
#include "book/BookRowRules.h"
#include "book/DbCatalogue.h"
#include "support/FirebirdFixture.h"

#include <tuple>

namespace rmnra {
namespace {

auto fields(const std::optional<CatalogueEntry>& e) {
    return e ? std::tuple(true, e->CODIGO, e->CONTROLADA, e->LISTA, e->DCB, e->REGMSMEDICAM)
             : std::tuple(false, std::string(), std::string(), std::string(), std::string(),
                          std::string());
}

auto fields(const std::optional<DcbEntry>& e) {
    return e ? std::tuple(true, e->DCB, e->DESCRICAO)
             : std::tuple(false, std::string(), std::string());
}

std::string code(int n) {
    return "P" + std::to_string(1000 + n);
}

using CatalogueLookupTest = test::FirebirdTest;

// Looking the month's codes up in batches must give what one query per code gives, over more
// codes than one batch holds, with the server's comparison (trailing spaces ignored), codes
// the catalogue lacks, and DCB codes too long for the DCB table.
TEST_F(CatalogueLookupTest, BatchedLookUpsAnswerAsOneQueryPerCode) {
    test::SuiteData s(db.main());
    for (int n = 1; n <= 230; ++n)
        s.catalogue(code(n), n % 3 ? "S" : "N", n % 2 ? "A1" : "B1", "D" + std::to_string(n % 40),
                    n % 5 ? fb::Value("R" + std::to_string(n)) : fb::Value());
    s.catalogue("TRAIL", "S", "A1", "D1 ");
    s.catalogue("LONGDCB", "S", "A2", "D123456789012", "R12345678901");
    for (int n = 0; n < 30; ++n)
        s.dcb("D" + std::to_string(n), "Subst\xE2ncia " + std::to_string(n));
    s.dcb("R7", "Registro 7");
    s.commit();

    OrderRecord order;
    order.TIPOPEDIDO = "Pedido";
    FormulaRecord formula;
    std::vector<std::string> asked;
    for (int n = 1; n <= 240; ++n) // the last ten are not in the catalogue
        asked.push_back(code(n));
    for (const char* c : {"TRAIL", "TRAIL  ", "LONGDCB", "", "P1001 "})
        asked.push_back(c);
    for (const auto& c : asked)
        formula.components.push_back({"Nome", c, 1.0, "mg"});
    order.formulas.push_back(formula);
    OrderRecord readyMade;
    readyMade.items.push_back({"P1007", "Pronto", "CX", 1.0, "", std::nullopt});
    const std::vector<OrderRecord> orders = {order, readyMade};

    auto tx = db.main().startTransaction();
    DbCatalogue batched(tx);
    batched.prefetchFor(orders);
    const int batchQueries = batched.queriesRun();
    DbCatalogue single(tx);
    // What the walk asks: every code, and the DCB codes of the list-"A" entries.
    for (const auto& c : asked) {
        SCOPED_TRACE("code '" + c + "'");
        const auto entry = batched.component(c);
        EXPECT_EQ(fields(entry), fields(single.component(c)));
        if (bookrules::qualifies(c, entry))
            for (const auto& d : {entry->DCB, entry->REGMSMEDICAM}) {
                SCOPED_TRACE("DCB '" + d + "'");
                EXPECT_EQ(fields(batched.dcb(d)), fields(single.dcb(d)));
            }
    }
    EXPECT_EQ(batched.queriesRun(), batchQueries)
        << "codes the walk asks for were looked up again one by one";
    EXPECT_TRUE(batched.component("TRAIL  ").has_value());
    EXPECT_FALSE(batched.component(code(235)).has_value());
    tx.commit();
}

} // namespace
} // namespace rmnra
