#pragma once

#include "BookContext.h"
#include "BookRow.h"
#include "common/ReportData.h"

namespace rmnra {

// Report names of the report project.
inline constexpr const char* kOfficialReport = "rptOficial";
inline constexpr const char* kNoMovementReport = "rptOficialSemMovimentacao";
inline constexpr const char* kDetailReport = "rptDetalha";

// The registration row and the book rows in the configured order, read in a transaction
// of their own that is over before any preview opens.
ReportData readBookReportData(BookContext& ctx);

// The official book: "rptOficial" on the pharmacy's rows, or, when it has none,
// "rptOficialSemMovimentacao" on one placeholder row (DCB 0xA0, CNPJ the pharmacy's,
// nothing else). The placeholder lives only in the data handed to the report, never in
// the database, so a failing report cannot leave it behind as a book row.
void ShowOfficialBook(BookContext& ctx);

// The same on book rows already read back in the configured order (the preparation has just
// read them for its consistency pass); only the registration is read, in a transaction of
// its own, so a large book is not read from the database twice.
void showOfficialBookOf(BookContext& ctx, const std::vector<BookRow>& book);

// The detailed listing "rptDetalha" on the pharmacy's rows (possibly none).
void ShowDetailedListing(BookContext& ctx);

// The placeholder row of the book without movement.
std::vector<ReportValue> noMovementPlaceholder(const ReportTable& book, const std::string& cnpj);

} // namespace rmnra
