#include "PhaseBreakdown.h"

#include "ProcessFigures.h"
#include "SilentUi.h"
#include "Stopwatch.h"
#include "SyntheticMonth.h"
#include "book/BookRebuild.h"
#include "book/BookReports.h"
#include "book/BookTable.h"
#include "book/DbCatalogue.h"
#include "book/MonthReader.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

#include <cstdio>
#include <iostream>

namespace rmnra::bench {

void printPhaseBreakdown(fb::Attachment& main, const std::string& cnpj) {
    SilentUi ui;
    BookContext ctx{main, cnpj, "", ui};
    Stopwatch watch;
    double cpu = processCpuSeconds();
    std::fprintf(stderr, "    %-34s %8s %8s\n", "", "wall s", "cpu s");
    auto step = [&](const char* name) {
        const double now = processCpuSeconds();
        std::fprintf(stderr, "    %-34s %8.3f %8.3f\n", name, watch.lap(), now - cpu);
        cpu = now;
    };
    fb::Transaction tx = main.startTransaction();
    MonthReader reader(tx, Period{kSyntheticFirstDay, kSyntheticLastDay},
                       OrderSelection::PedidoTypeSorted);
    std::vector<OrderRecord> orders = reader.readOrders();
    step("read the month's orders");
    reader.readDetails(orders, true);
    step("read formulas, components, items");
    DbCatalogue catalogue(tx);
    catalogue.prefetchFor(orders);
    step("catalogue look-ups in batches");
    ScanResult result = BookScan(catalogue, ui, ScanOptions{true, true}, cnpj).run(orders);
    step("scan");
    replaceBookRows(tx, cnpj, result.rows);
    step("delete and insert the book rows");
    applyCapsuleCorrections(tx, result.corrections);
    step("capsule corrections");
    tx.commit();
    step("commit");
    const std::vector<BookRow> book =
        checkStoredBook(ctx, static_cast<int>(result.rows.size()), true);
    step("read back and consistency pass");
    showOfficialBookOf(ctx, book);
    step("the report's data (registration)");
    std::cerr << "    (" << result.rows.size() << " rows, " << result.corrections.size()
              << " corrections, " << catalogue.queriesRun() << " catalogue queries)\n";
}

} // namespace rmnra::bench
