#pragma once

#include "common/ReportData.h"

#include <string>

namespace rmnra::bench {

struct ReportTimes {
    double paginate = 0; // seconds
    double pdf = 0;      // writing the laid-out pages as PDF
    double html = 0;     // writing them as HTML
    int pages = 0;
    double paginatePeakMb = 0; // peak resident memory up to the end of each step
    double pdfPeakMb = 0;
    double htmlPeakMb = 0;
};

// Lays the official book out with the shipped report project and writes it into `folder` as
// PDF and as HTML, timing each step.
ReportTimes timeOfficialBook(const ReportData& data, const std::string& folder);

} // namespace rmnra::bench
