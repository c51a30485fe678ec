// Prints how long a book preparation takes over a busy month: 3,000 orders, each with two
// formulas of three components, half of them list-"A" substances.
#include "RecordingUi.h"
#include "book/PrepareBook.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"
#include "support/FirebirdFixture.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace rmnra {
namespace {

void fillMonth(fb::Attachment& db, int orders) {
    auto tx = db.startTransaction();
    tx.execute("insert into DCB (DCB, DESCRICAO) values ('D1', 'Diazepam')");
    tx.execute(
        "insert into COMPONEN (CODIGO, CONTROLADA, LISTA, DCB) values ('A', 'S', 'A', 'D1')");
    tx.execute("insert into COMPONEN (CODIGO, CONTROLADA, LISTA, DCB) values ('B', 'N', '', '')");
    fb::Statement order = tx.prepare("insert into PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, "
                                     "TIPOPEDIDO, MEDICO, CRM) values ('01', ?, ?, 'Pedido', "
                                     "'DR', 'CRM')");
    fb::Statement formula = tx.prepare("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, "
                                       "FORMAFARMA, QDECAPSULAS, NUMERONOTIFICACAO, "
                                       "DATAPRESCRICAO) values ('01', ?, ?, 'CAPSULA', 60, "
                                       "'N', ?)");
    fb::Statement component = tx.prepare("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, "
                                         "COMPONENTE, CODIGOCOMP, QDEDIG, UNIDDIG) values "
                                         "('01', ?, ?, ?, ?, 5, 'mg')");
    for (int n = 1; n <= orders; ++n) {
        const Date day{2024, 3, 1 + n % 28};
        order.execute({n, day});
        for (int f = 1; f <= 2; ++f) {
            formula.execute({n, f, day});
            for (int c = 1; c <= 3; ++c)
                component.execute({n, f, "C" + std::to_string(c), c % 2 ? "A" : "B"});
        }
    }
    tx.commit();
}

void PrepareBusyMonth(benchmark::State& state) {
    test::FirebirdDatabases db;
    setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1);
    fillMonth(db.main(), 3000);
    test::RecordingUi ui;
    BookContext ctx{db.main(), "11222333000181", "", ui};
    for (auto _ : state)
        Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31});
    state.counters["rows"] = static_cast<double>(ui.reports.back().data.rmnrb2.rows.size());
}
BENCHMARK(PrepareBusyMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace rmnra

BENCHMARK_MAIN();
