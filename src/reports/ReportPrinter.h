#pragma once

#include "RenderedReport.h"

#include <functional>

class QPrinter;

namespace rmnra {

// Sends the pages to a printer as chosen in its dialog (page range included).
// Returns false when the printer could not be started.
bool printReport(const RenderedReport& report, QPrinter& printer,
                 const std::function<void(int page)>& onPage = {});

} // namespace rmnra
