#pragma once

#include "BookRow.h"
#include "common/UserInterface.h"

#include <string>
#include <vector>

namespace rmnra {

// The report of the last consistency pass (the hidden buffer of the window).
struct CheckOutcome {
    std::vector<std::string> lines;
    int errorCount = 0;
};

// The consistency pass over the book table, in the order OpenBookTable gives. The gauge
// runs up to expectedRows. When a problem was found the report is saved to
// inconsistencyReportPath() and the inconsistency panel shown on it; otherwise an earlier
// file stays as it was. A file that cannot be written throws.
CheckOutcome CheckBookRows(const std::vector<BookRow>& bookTable, int expectedRows,
                           UserInterface& ui, bool processEvents);

} // namespace rmnra
