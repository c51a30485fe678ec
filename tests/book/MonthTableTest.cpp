#include "book/MonthTable.h"

#include <gtest/gtest.h>

namespace rmnra {
namespace {

struct MonthCase {
    const char* mes;
    const char* year;
    Date first;
    Date last;
};

TEST(MonthTable, EveryMonthNameGivesItsFirstAndLastDay) {
    const MonthCase cases[] = {
        {"JANEIRO", "2024", {2024, 1, 1}, {2024, 1, 31}},
        {"FEVEREIRO", "2024", {2024, 2, 1}, {2024, 2, 29}},
        {"FEVEREIRO", "2023", {2023, 2, 1}, {2023, 2, 28}},
        {"FEVEREIRO", "2000", {2000, 2, 1}, {2000, 2, 29}},
        {"FEVEREIRO", "2100", {2100, 2, 1}, {2100, 2, 28}},
        {"MAR\xC7O", "2025", {2025, 3, 1}, {2025, 3, 31}},
        {"MARCO", "2025", {2025, 3, 1}, {2025, 3, 31}},
        {"ABRIL", "2025", {2025, 4, 1}, {2025, 4, 30}},
        {"MAIO", "2025", {2025, 5, 1}, {2025, 5, 31}},
        {"JUNHO", "2025", {2025, 6, 1}, {2025, 6, 30}},
        {"JULHO", "2025", {2025, 7, 1}, {2025, 7, 31}},
        {"AGOSTO", "2025", {2025, 8, 1}, {2025, 8, 31}},
        {"SETEMBRO", "2025", {2025, 9, 1}, {2025, 9, 30}},
        {"OUTUBRO", "2025", {2025, 10, 1}, {2025, 10, 31}},
        {"NOVEMBRO", "2025", {2025, 11, 1}, {2025, 11, 30}},
        {"DEZEMBRO", "2025", {2025, 12, 1}, {2025, 12, 31}},
    };
    for (const auto& c : cases) {
        auto p = periodOfMonth(c.mes, c.year);
        ASSERT_TRUE(p) << c.mes << " " << c.year;
        EXPECT_EQ(p->first, c.first) << c.mes << " " << c.year;
        EXPECT_EQ(p->last, c.last) << c.mes << " " << c.year;
    }
}

TEST(MonthTable, NamesOutsideTheTableOrBadYearsGiveNoPeriod) {
    const std::pair<const char*, const char*> cases[] = {
        {"janeiro", "2024"}, {"", "2024"},        {"MAR\xE7O", "2024"}, {"JANEIRO ", "2024"},
        {"JANEIRO", ""},     {"JANEIRO", "20x4"}, {"Março", "2024"},
    };
    for (const auto& [mes, year] : cases)
        EXPECT_FALSE(periodOfMonth(mes, year)) << mes << "/" << year;
}

TEST(MonthTable, RegistrationValuesAreCutBeforeTheLookup) {
    // EXERCICIO keeps its first 4 characters, MES its first 10.
    auto p = periodFromRegistration("JANEIRO", "2024XX");
    EXPECT_EQ(p.first, (Date{2024, 1, 1}));
    EXPECT_EQ(p.last, (Date{2024, 1, 31}));
}

TEST(MonthTable, UnknownMonthThrowsAMessageNamingBothValues) {
    try {
        periodFromRegistration("junho", "2024");
        FAIL() << "no error";
    } catch (const PeriodError& e) {
        std::string text = e.what();
        EXPECT_NE(text.find("\"junho\""), std::string::npos) << text;
        EXPECT_NE(text.find("\"2024\""), std::string::npos) << text;
        EXPECT_NE(text.find("MES"), std::string::npos) << text;
        EXPECT_NE(text.find("EXERCICIO"), std::string::npos) << text;
    }
}

} // namespace
} // namespace rmnra
