#pragma once

#include <optional>
#include <string>

namespace rmnra {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;

    bool isValid() const;
    static Date today();
    // Reads "d/m/yyyy" (day, month, year; separators '/', '-' or '.'); nullopt when the
    // text is empty or no valid date.
    static std::optional<Date> fromDayMonthYear(const std::string& text);
    // Days since 1858-11-17, the database's own day number.
    int modifiedJulianDay() const;
    static Date fromModifiedJulianDay(int mjd);

    auto operator<=>(const Date&) const = default;
};

struct Time {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int fraction = 0; // ten-thousandths of a second, as the database keeps them
    static Time now();
    auto operator<=>(const Time&) const = default;
};

struct Timestamp {
    Date date;
    Time time;
    auto operator<=>(const Timestamp&) const = default;
};

// Dates and times written with the regional separators: "dd/mm/yy", "dd/mm/yyyy", "hh:nn:ss".
std::string formatDateShort(const Date& d);
std::string formatDateLong(const Date& d);
std::string formatTime(const Time& t);

bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace rmnra
