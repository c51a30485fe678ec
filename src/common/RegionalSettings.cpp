#include "RegionalSettings.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <optional>
#include <string>

namespace rmnra {
namespace {

std::optional<RegionalSettings>& override() {
    static std::optional<RegionalSettings> value;
    return value;
}

bool isPlainC(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
           std::strncmp(name, "C.", 2) == 0;
}

} // namespace

RegionalSettings RegionalSettings::fromLocale() {
    RegionalSettings rs;
    if (!isPlainC(std::setlocale(LC_NUMERIC, nullptr))) {
        const char* radix = nl_langinfo(RADIXCHAR);
        if (radix && radix[0] && !radix[1])
            rs.decimalSeparator = radix[0];
    }
    if (!isPlainC(std::setlocale(LC_TIME, nullptr))) {
        std::string fmt = nl_langinfo(D_FMT) ? nl_langinfo(D_FMT) : "";
        // Order of %d, %m and %y/%Y, and the first non-conversion character as separator.
        auto pos = [&](const char* a, const char* b = nullptr) {
            auto p = fmt.find(a);
            if (p == std::string::npos && b)
                p = fmt.find(b);
            return p;
        };
        auto d = pos("%d", "%e"), m = pos("%m"), y = pos("%Y", "%y");
        if (d != std::string::npos && m != std::string::npos && y != std::string::npos) {
            if (y < m && m < d)
                rs.dateOrder = DateOrder::YearMonthDay;
            else if (m < d)
                rs.dateOrder = DateOrder::MonthDayYear;
            else
                rs.dateOrder = DateOrder::DayMonthYear;
            for (size_t i = 0; i + 1 < fmt.size(); ++i) {
                if (fmt[i] == '%') {
                    ++i;
                    continue;
                }
                rs.dateSeparator = fmt[i];
                break;
            }
        }
        std::string tfmt = nl_langinfo(T_FMT) ? nl_langinfo(T_FMT) : "";
        for (size_t i = 0; i < tfmt.size(); ++i) {
            if (tfmt[i] == '%') {
                ++i;
                continue;
            }
            rs.timeSeparator = tfmt[i];
            break;
        }
    }
    return rs;
}

const RegionalSettings& RegionalSettings::current() {
    if (!override())
        override() = fromLocale();
    return *override();
}

void RegionalSettings::setCurrent(const RegionalSettings& settings) { override() = settings; }

} // namespace rmnra
