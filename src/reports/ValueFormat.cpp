#include "ValueFormat.h"

#include "QtText.h"
#include "common/RegionalSettings.h"
#include "common/Text.h"

#include <cmath>
#include <cstdio>

namespace rmnra {
namespace {

std::string shortestNumber(double v) {
    if (!std::isfinite(v))
        return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    for (char& c : s)
        if (c == '.')
            c = RegionalSettings::current().decimalSeparator;
    return s;
}

std::string plainText(const ReportValue& value, bool shortDate) {
    struct Visitor {
        bool shortDate;
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(const std::string& s) const { return s; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return shortestNumber(d); }
        std::string operator()(const Date& d) const {
            if (!d.isValid())
                return {};
            return shortDate ? formatDateShort(d) : formatDateLong(d);
        }
    };
    return std::visit(Visitor{shortDate}, value);
}

} // namespace

QString formatReportValue(const ReportValue& value, const std::string& format) {
    std::string text = plainText(value, format == "date");
    if (format == "cnpj") {
        // Only the digits count: a CNPJ stored with its punctuation prints the same.
        std::string digits;
        for (char c : text)
            if (c >= '0' && c <= '9')
                digits += c;
        text = digits.empty() ? std::string() : formatCnpj(digits);
    } else if (format == "upper") {
        text = upperAscii(text);
    }
    return toQString(text);
}

} // namespace rmnra
