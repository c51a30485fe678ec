#pragma once

#include "BookRow.h"
#include "common/ReportData.h"

#include <string>
#include <vector>

namespace rmnra {

namespace fb {
class Transaction;
}

// The ORDER BY of the book table: "DATA" (any case) orders by date alone, anything else,
// the empty value included, by DCB, date and notification number.
std::string bookOrderClause(const std::string& bookOrdering);

// The pharmacy's book rows in the configured order.
std::vector<BookRow> OpenBookTable(fb::Transaction& transaction, const std::string& cnpj,
                                   const std::string& bookOrdering);

// Replaces the pharmacy's book: deletes its rows, inserts the new ones in order. Nothing
// is committed here; the caller commits the whole book at once.
void replaceBookRows(fb::Transaction& transaction, const std::string& cnpj,
                     const std::vector<BookRow>& rows);

// The book rows as a report reads them (RMNRB2 columns, NULL for a missing date).
ReportTable bookReportTable(const std::vector<BookRow>& rows);

// The pharmacy's registration row(s) of DADOSGER (CGC equal to the CNPJ), every column.
ReportTable readRegistration(fb::Transaction& transaction, const std::string& cnpj);

} // namespace rmnra
