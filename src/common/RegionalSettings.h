#pragma once

namespace rmnra {

// The separators and date order that shape dates and quantities written as text.
// Read from the process locale; under the C/POSIX locale the Brazilian defaults hold.
struct RegionalSettings {
    enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

    char decimalSeparator = ',';
    char dateSeparator = '/';
    char timeSeparator = ':';
    DateOrder dateOrder = DateOrder::DayMonthYear;

    // Brazilian defaults: decimal comma, "/" and ":", day-month-year.
    static RegionalSettings brazilian() { return {}; }
    // From the current C locale (call setlocale(LC_ALL, "") first).
    static RegionalSettings fromLocale();

    // The process-wide settings, read once from the locale unless set before.
    static const RegionalSettings& current();
    static void setCurrent(const RegionalSettings& settings);
};

} // namespace rmnra
