#include "BookReports.h"

#include "BookTable.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

namespace rmnra {

ReportData readBookReportData(BookContext& ctx) {
    fb::Transaction tx = ctx.main.startTransaction();
    ReportData data;
    data.dadosGer = readRegistration(tx, ctx.cnpj);
    data.rmnrb2 = bookReportTable(OpenBookTable(tx, ctx.cnpj, ctx.bookOrdering));
    tx.commit();
    return data;
}

std::vector<ReportValue> noMovementPlaceholder(const ReportTable& book, const std::string& cnpj) {
    std::vector<ReportValue> row(book.columns.size(), std::monostate{});
    if (int i = book.columnIndex("DCB"); i >= 0)
        row[i] = std::string("\xA0");
    if (int i = book.columnIndex("CNPJ"); i >= 0)
        row[i] = cnpj;
    return row;
}

namespace {

void runOfficialBook(BookContext& ctx, ReportData data) {
    ctx.ui.closeReportProject();
    if (!data.rmnrb2.rows.empty()) {
        ctx.ui.runReport(kOfficialReport, data);
        return;
    }
    data.rmnrb2.rows.push_back(noMovementPlaceholder(data.rmnrb2, ctx.cnpj));
    ctx.ui.runReport(kNoMovementReport, data);
}

} // namespace

void ShowOfficialBook(BookContext& ctx) {
    runOfficialBook(ctx, readBookReportData(ctx));
}

void showOfficialBookOf(BookContext& ctx, const std::vector<BookRow>& book) {
    ReportData data;
    fb::Transaction tx = ctx.main.startTransaction();
    data.dadosGer = readRegistration(tx, ctx.cnpj);
    tx.commit();
    data.rmnrb2 = bookReportTable(book);
    runOfficialBook(ctx, std::move(data));
}

void ShowDetailedListing(BookContext& ctx) {
    ctx.ui.runReport(kDetailReport, readBookReportData(ctx));
}

} // namespace rmnra
