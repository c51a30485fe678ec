#pragma once

#include "BookContext.h"
#include "BookScan.h"
#include "MonthData.h"
#include "MonthTable.h"

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

// The consistency pass over the stored book, read back in the configured order.
void checkStoredBook(BookContext& ctx, int rowsWritten, bool processEvents);

// Stores the corrections of PEDIFORM.QDE_CAPS_PRESCRITA.
void applyCapsuleCorrections(fb::Transaction& tx,
                             const std::vector<CapsuleCorrection>& corrections);

// The period named by MES and EXERCICIO of the pharmacy's registration row (no row reads
// as empty values). Throws PeriodError when they name no month.
Period registrationPeriod(BookContext& ctx);

} // namespace rmnra
