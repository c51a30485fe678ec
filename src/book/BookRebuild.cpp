#include "BookRebuild.h"

#include "BookTable.h"
#include "CheckBookRows.h"
#include "DbCatalogue.h"
#include "data/fb/Attachment.h"
#include "data/fb/Error.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"

namespace rmnra {

int scanAndStoreBook(BookContext& ctx, fb::Transaction& tx, const std::vector<OrderRecord>& orders,
                     ScanOptions options) {
    DbCatalogue catalogue(tx);
    catalogue.prefetchFor(orders);
    ScanResult result = BookScan(catalogue, ctx.ui, options, ctx.cnpj).run(orders);
    replaceBookRows(tx, ctx.cnpj, result.rows);
    applyCapsuleCorrections(tx, result.corrections);
    tx.commit();
    return static_cast<int>(result.rows.size());
}

void retryOnConcurrentUpdate(const std::function<void()>& attempt) {
    // isc_deadlock: an update conflict with a transaction that committed while we waited.
    constexpr long kDeadlock = 335544336L;
    constexpr int kAttempts = 5;
    for (int n = 1;; ++n) {
        try {
            attempt();
            return;
        } catch (const fb::Error& e) {
            if (e.iscCode() != kDeadlock || n == kAttempts)
                throw;
        }
    }
}

void applyCapsuleCorrections(fb::Transaction& tx,
                             const std::vector<CapsuleCorrection>& corrections) {
    if (corrections.empty())
        return;
    fb::Statement update = tx.prepare("UPDATE PEDIFORM SET QDE_CAPS_PRESCRITA = ? "
                                      "WHERE ESTACAO = ? AND NPEDIDO = ? AND NFORMULA = ?");
    for (const auto& c : corrections)
        update.execute({c.QDE_CAPS_PRESCRITA, c.ESTACAO, c.NPEDIDO, c.NFORMULA});
}

std::vector<BookRow> checkStoredBook(BookContext& ctx, int rowsWritten, bool processEvents) {
    fb::Transaction tx = ctx.main.startTransaction();
    std::vector<BookRow> book = OpenBookTable(tx, ctx.cnpj, ctx.bookOrdering);
    tx.commit();
    CheckBookRows(book, rowsWritten, ctx.ui, processEvents);
    return book;
}

Period registrationPeriod(BookContext& ctx) {
    fb::Transaction tx = ctx.main.startTransaction();
    auto rows = tx.query("Select MES, EXERCICIO from DADOSGER where CGC = ?", {ctx.cnpj});
    tx.commit();
    std::string mes, exercicio;
    if (!rows.empty()) {
        mes = rows.front()[0].textOr();
        exercicio = rows.front()[1].textOr();
    }
    return periodFromRegistration(mes, exercicio);
}

} // namespace rmnra
