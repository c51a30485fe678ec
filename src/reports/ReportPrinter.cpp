#include "ReportPrinter.h"

#include "PagePainter.h"
#include "PdfWriter.h"

#include <QPainter>
#include <QPrinter>

namespace rmnra {

bool printReport(const RenderedReport& report, QPrinter& printer,
                 const std::function<void(int page)>& onPage) {
    const int count = static_cast<int>(report.pages.size());
    if (count == 0)
        return true;
    printer.setFullPage(true);
    QPageLayout layout = pageLayoutOf(report);
    printer.setPageOrientation(layout.orientation());
    printer.setPageSize(layout.pageSize());
    int first = 1, last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage(), 1, count);
        last = std::clamp(printer.toPage() > 0 ? printer.toPage() : count, first, count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        if (onPage)
            onPage(page);
        paintPage(report, page - 1, painter);
    }
    return painter.end();
}

} // namespace rmnra
