// Report project bytes through the loader: a project or a ReportLoadError, nothing else.
// What loads must hold finite, usable measures: the paginator divides and converts them.
#include "reports/ReportLoader.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "report project fuzzer: %s\n", what);
        std::abort();
    }
}

bool usable(double v) {
    return std::isfinite(v);
}

void checkBand(const std::optional<rmnra::Band>& band) {
    if (!band)
        return;
    check(usable(band->height) && band->height >= 0, "band height");
    for (const rmnra::ReportItem& item : band->items) {
        check(usable(item.box.left) && usable(item.box.top) && usable(item.box.width) &&
                  usable(item.box.height),
              "item box");
        check(usable(item.font.size) && usable(item.penWidth), "font size or pen width");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const rmnra::ReportProject project =
            rmnra::parseReportProject(xml, QStringLiteral("fuzz.xml"));
        for (const auto& [name, r] : project.reports) {
            check(!name.empty() && name == r.name, "report name");
            check(usable(r.pageWidth) && usable(r.pageHeight), "page size");
            check(usable(r.marginLeft) && usable(r.marginTop) && usable(r.marginRight) &&
                      usable(r.marginBottom),
                  "margins");
            check(r.pageWidth - r.marginLeft - r.marginRight > 0 &&
                      r.pageHeight - r.marginTop - r.marginBottom > 0,
                  "no room inside the margins");
            for (const auto* band :
                 {&r.title, &r.pageHeader, &r.columnHeader, &r.detail, &r.summary, &r.pageFooter})
                checkBand(*band);
            for (const rmnra::ReportGroup& g : r.groups) {
                checkBand(g.header);
                checkBand(g.footer);
            }
        }
    } catch (const rmnra::ReportLoadError& e) {
        check(e.what()[0] != '\0', "empty error message");
    }
    return 0;
}
