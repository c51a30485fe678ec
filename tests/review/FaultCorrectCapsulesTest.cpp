// The correction waits for a formula another program holds locked and keeps what that
// program committed.

#include "book/BookTable.h"
#include "book/MonthFixture.h"
#include "review/CorrectPrescribedCapsules.h"

#include <chrono>
#include <future>
#include <thread>

namespace rmnra {
namespace {

using test::kCnpj;
using test::query;

using FaultCorrectCapsulesTest = test::MonthFixture;

TEST_F(FaultCorrectCapsulesTest, ALockedFormulaIsWaitedForAndItsCommittedValueKept) {
    test::execute(db.main(), "update DADOSGER set MES = 'MARCO'");
    const auto before = prescribed();

    fb::Attachment other = db.attachMainAgain();
    auto otherTx = std::make_unique<fb::Transaction>(other.startTransaction());
    otherTx->execute("update PEDIFORM set QDE_CAPS_PRESCRITA = 45 where ESTACAO = '01' and "
                     "NPEDIDO = 1 and NFORMULA = 1");
    auto committer = std::async(std::launch::async, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        otherTx->commit();
    });
    BookContext ctx = context();
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(CorrectPrescribedCapsules(ctx));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(900));
    committer.get();

    // The locked formula keeps the quantity committed there; the others are corrected as
    // always.
    auto text = [](const std::vector<fb::Row>& rows) {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r[0].textOr() + "." + std::to_string(r[1].integerOr()) + "." +
                          std::to_string(r[2].integerOr()) + "=" +
                          (r[3].isNull() ? "null" : std::to_string(r[3].integerOr())));
        return out;
    };
    EXPECT_EQ(text(prescribed()),
              (std::vector<std::string>{"01.1.1=45", "01.1.3=20", "01.1.4=0", "01.1.123=1",
                                        "01.2.1=null", "01.3.1=null", "01.4.1=null", "03.5.1=1"}));
    EXPECT_EQ(text(before)[0], "01.1.1=null");

    auto tx = db.main().startTransaction();
    std::vector<std::string> quantities;
    for (const BookRow& r : OpenBookTable(tx, kCnpj, ""))
        if (r.NPEDIDO == "1" && r.NFORMULA == "1")
            quantities.push_back(r.QDE_PRESCRICAO);
    tx.commit();
    EXPECT_EQ(quantities, (std::vector<std::string>{"45 CAP", "45 CAP"}));
}

} // namespace
} // namespace rmnra
