#include "common/Dates.h"
#include "common/RegionalSettings.h"

#include <gtest/gtest.h>

using namespace rmnra;

TEST(Dates, ReadsDayMonthYear) {
    EXPECT_EQ(Date::fromDayMonthYear("29/02/2024"), (Date{2024, 2, 29}));
    EXPECT_FALSE(Date::fromDayMonthYear("29/02/2023"));
    EXPECT_FALSE(Date::fromDayMonthYear(""));
    EXPECT_FALSE(Date::fromDayMonthYear("01/13/2024"));
    EXPECT_FALSE(Date::fromDayMonthYear("01/01/"));
    EXPECT_EQ(Date::fromDayMonthYear("31/12/99"), (Date{1999, 12, 31}));
}

TEST(Dates, DayNumbersMatchTheDatabase) {
    EXPECT_EQ((Date{1858, 11, 17}).modifiedJulianDay(), 0);
    EXPECT_EQ((Date{2000, 1, 1}).modifiedJulianDay(), 51544);
    EXPECT_EQ(Date::fromModifiedJulianDay(60340), (Date{2024, 1, 31}));
}

TEST(Dates, FormatsWithRegionalSeparators) {
    RegionalSettings::setCurrent(RegionalSettings::brazilian());
    EXPECT_EQ(formatDateShort({2024, 3, 5}), "05/03/24");
    EXPECT_EQ(formatDateLong({2024, 3, 5}), "05/03/2024");
    EXPECT_EQ(formatTime({7, 8, 9, 0}), "07:08:09");
}
