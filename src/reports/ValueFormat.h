#pragma once

#include "common/ReportData.h"

#include <QString>
#include <string>

namespace rmnra {

// A field value as a report prints it: text as stored, integers in decimal, numbers in
// their shortest form with the regional decimal separator, dates as dd/mm/yyyy with the
// regional separator. Formats: "cnpj" (12.345.678/0001-95), "date" (dd/mm/yy), "upper".
QString formatReportValue(const ReportValue& value, const std::string& format = {});

} // namespace rmnra
