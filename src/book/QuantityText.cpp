#include "QuantityText.h"

#include "common/RegionalSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rmnra {
namespace {

// |value| as 0.d1d2d3... x 10^pointPos with at most 15 significant digits: taking the
// digits from the 15-digit decimal form first drops the binary noise (0.15 stays 0.15).
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int pointPos = 0;   // digits before the decimal point
};

Decimal toDecimal(double value) {
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    d.negative = value < 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string s(buf);
    size_t e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.pointPos = std::atoi(s.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

char separator() {
    return RegionalSettings::current().decimalSeparator;
}

} // namespace

std::string generalNumberText(std::optional<double> value) {
    if (!value)
        return {};
    Decimal d = toDecimal(*value);
    if (d.digits.empty())
        return "0";
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.pointPos > 15 || d.pointPos < -4) {
        out += d.digits[0];
        if (n > 1)
            out += separator() + d.digits.substr(1);
        int exponent = d.pointPos - 1;
        out += "E" + std::string(exponent < 0 ? "-" : "") + std::to_string(std::abs(exponent));
    } else if (d.pointPos <= 0) {
        out += "0";
        out += separator() + std::string(-d.pointPos, '0') + d.digits;
    } else if (n <= d.pointPos) {
        out += d.digits + std::string(d.pointPos - n, '0');
    } else {
        out += d.digits.substr(0, d.pointPos) + separator() + d.digits.substr(d.pointPos);
    }
    return out;
}

std::string oneDecimalMaskText(double value) {
    Decimal d = toDecimal(value);
    // Tenths as an integer digit string, rounded half away from zero on the decimal digits.
    const int keep = d.pointPos + 1;
    if (d.digits.empty() || keep < 0)
        return {};
    std::string tenths;
    for (int i = 0; i < keep; ++i)
        tenths += i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
    const char next = keep < static_cast<int>(d.digits.size()) ? d.digits[keep] : '0';
    if (next >= '5') {
        int i = static_cast<int>(tenths.size()) - 1;
        while (i >= 0 && tenths[i] == '9')
            tenths[i--] = '0';
        if (i < 0)
            tenths.insert(tenths.begin(), '1');
        else
            ++tenths[i];
    }
    size_t firstNonZero = tenths.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {};
    std::string integerPart = tenths.substr(0, tenths.size() - 1);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    const char fraction = tenths.back();
    std::string out = d.negative ? "-" : "";
    out += integerPart;
    if (fraction != '0')
        out += std::string(1, separator()) + fraction;
    return out;
}

} // namespace rmnra
