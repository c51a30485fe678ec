#include "Dates.h"

#include "RegionalSettings.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace rmnra {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return 0;
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

bool Date::isValid() const {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

Date Date::today() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

Time Time::now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_hour, tm.tm_min, tm.tm_sec, 0};
}

std::optional<Date> Date::fromDayMonthYear(const std::string& text) {
    int part[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int idx = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (digits[idx] >= 4)
                return std::nullopt;
            part[idx] = part[idx] * 10 + (c - '0');
            ++digits[idx];
        } else if ((c == '/' || c == '-' || c == '.') && idx < 2 && digits[idx] > 0) {
            ++idx;
        } else {
            return std::nullopt;
        }
    }
    if (idx != 2 || digits[2] == 0)
        return std::nullopt;
    Date d{part[2], part[1], part[0]};
    if (digits[2] <= 2)
        d.year += d.year < 50 ? 2000 : 1900;
    if (!d.isValid())
        return std::nullopt;
    return d;
}

int Date::modifiedJulianDay() const {
    using namespace std::chrono;
    sys_days sd = year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                 std::chrono::day{unsigned(day)}};
    // 1858-11-17 is 40587 days before 1970-01-01.
    return static_cast<int>(sd.time_since_epoch().count()) + 40587;
}

Date Date::fromModifiedJulianDay(int mjd) {
    using namespace std::chrono;
    year_month_day ymd{sys_days{days{mjd - 40587}}};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

std::string formatDateShort(const Date& d) {
    char s = RegionalSettings::current().dateSeparator;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%c%02d%c%02d", d.day, s, d.month, s, d.year % 100);
    return buf;
}

std::string formatDateLong(const Date& d) {
    char s = RegionalSettings::current().dateSeparator;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", d.day, s, d.month, s, d.year);
    return buf;
}

std::string formatTime(const Time& t) {
    char s = RegionalSettings::current().timeSeparator;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%c%02d%c%02d", t.hour, s, t.minute, s, t.second);
    return buf;
}

} // namespace rmnra
