#pragma once

#include "BookContext.h"
#include "BookScan.h"
#include "MonthData.h"
#include "MonthTable.h"

#include <functional>
#include <vector>

namespace rmnra {

namespace fb {
class Transaction;
}

// The steps book preparation and the prescribed-capsule correction share; what differs
// between them comes in as ScanOptions and OrderSelection.

// Walks the orders and stores the result in the given transaction: the pharmacy's old
// rows deleted, the new rows inserted and the prescribed capsule quantities corrected,
// then one commit. When anything fails the transaction is rolled back, so the old book
// and the formulas stay exactly as they were. Returns the number of rows written.
int scanAndStoreBook(BookContext& ctx, fb::Transaction& tx, const std::vector<OrderRecord>& orders,
                     ScanOptions options);

// Runs one attempt of a rebuild (read, walk and store in a transaction of its own) and runs
// it again, up to a few times, when the store met a change that another program committed
// to a row it writes while it waited: the next attempt reads that change instead of
// overwriting it. Any other error, or the last conflict, is thrown.
void retryOnConcurrentUpdate(const std::function<void()>& attempt);

// The consistency pass over the stored book, read back in the configured order; returns the
// rows it read.
std::vector<BookRow> checkStoredBook(BookContext& ctx, int rowsWritten, bool processEvents);

// Stores the corrections of PEDIFORM.QDE_CAPS_PRESCRITA.
void applyCapsuleCorrections(fb::Transaction& tx,
                             const std::vector<CapsuleCorrection>& corrections);

// The period named by MES and EXERCICIO of the pharmacy's registration row (no row reads
// as empty values). Throws PeriodError when they name no month.
Period registrationPeriod(BookContext& ctx);

} // namespace rmnra
