#pragma once

#include "RenderedReport.h"
#include "common/Dates.h"
#include "common/ReportData.h"

#include <functional>

namespace rmnra {

struct PaginateOptions {
    Date today = Date::today();           // value of [DATE]
    std::function<void(int page)> onPage; // called as each page is generated (1-based)
};

// Lays a report out on pages. Page header and footer on every page, the footer's room kept
// free of rows, the column header on every page that prints rows, group headers and footers
// when a group field changes (a header is kept with its first row), detail rows never
// split, the summary after the last row, and [PAGE]/[PAGES] filled in at the end.
// [COUNT] is the number of rows of the group in a group header or footer, the row's
// ordinal in a detail band, and the number of rows of the report anywhere else.
RenderedReport paginate(const Report& report, const ReportData& data,
                        const PaginateOptions& options = {});

} // namespace rmnra
