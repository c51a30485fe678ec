// Prints how long the DCB formatter takes over a catalogue of 10,000 names.
#include "book/RecordingUi.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"
#include "support/FirebirdFixture.h"
#include "tools/FormatDcbDescriptions.h"

#include <benchmark/benchmark.h>

namespace rmnra {
namespace {

void fillCatalogue(fb::Attachment& db, int rows) {
    auto tx = db.startTransaction();
    tx.execute("delete from DCB");
    fb::Statement insert = tx.prepare("insert into DCB (DCB, DESCRICAO) values (?, ?)");
    for (int i = 0; i < rows; ++i)
        insert.execute(
            {std::to_string(i), "CLORIDRATO DE SUBST\xC2NCIA N\xDAMERO " + std::to_string(i)});
    tx.commit();
}

void FormatDcb10000(benchmark::State& state) {
    test::FirebirdDatabases db;
    test::RecordingUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        fillCatalogue(db.main(), 10000);
        state.ResumeTiming();
        FormatarDescrioDCB1Click(db.main(), ui);
    }
}
BENCHMARK(FormatDcb10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace rmnra

BENCHMARK_MAIN();
