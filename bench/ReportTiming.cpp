#include "ReportTiming.h"

#include "ProcessFigures.h"
#include "Stopwatch.h"
#include "book/BookReports.h"
#include "reports/DefaultProject.h"
#include "reports/HtmlWriter.h"
#include "reports/Paginator.h"
#include "reports/PdfWriter.h"
#include "reports/ReportLoader.h"

#include <QString>
#include <stdexcept>

namespace rmnra::bench {

ReportTimes timeOfficialBook(const ReportData& data, const std::string& folder) {
    const ReportProject project = parseReportProject(defaultReportProject(), "rptRMNRA.xml");
    const Report* report = project.find(kOfficialReport);
    if (!report)
        throw std::runtime_error("the shipped project lacks the official book");
    ReportTimes times;
    Stopwatch watch;
    const RenderedReport pages = paginate(*report, data);
    times.paginate = watch.lap();
    times.paginatePeakMb = peakResidentMb();
    times.pages = static_cast<int>(pages.pages.size());
    writePdf(pages, QString::fromStdString(folder + "livro.pdf"));
    times.pdf = watch.lap();
    times.pdfPeakMb = peakResidentMb();
    writeHtml(pages, QString::fromStdString(folder + "livro.html"));
    times.html = watch.lap();
    times.htmlPeakMb = peakResidentMb();
    return times;
}

} // namespace rmnra::bench
