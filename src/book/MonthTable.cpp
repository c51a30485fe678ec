#include "MonthTable.h"

#include "common/Text.h"

#include <array>
#include <string_view>

namespace rmnra {
namespace {

struct MonthRow {
    std::string_view name;
    int month;
};

constexpr std::array<MonthRow, 13> kMonths = {{
    {"JANEIRO", 1},
    {"FEVEREIRO", 2},
    {"MAR\xC7O", 3},
    {"MARCO", 3},
    {"ABRIL", 4},
    {"MAIO", 5},
    {"JUNHO", 6},
    {"JULHO", 7},
    {"AGOSTO", 8},
    {"SETEMBRO", 9},
    {"OUTUBRO", 10},
    {"NOVEMBRO", 11},
    {"DEZEMBRO", 12},
}};

std::string twoDigits(int n) {
    return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}

} // namespace

std::optional<Period> periodOfMonth(const std::string& monthName, const std::string& year) {
    for (const auto& row : kMonths) {
        if (row.name != monthName)
            continue;
        // The days are read back from "dd/mm/" + year, so a year that is no number fails
        // here exactly as it would when the text is converted to a date.
        const std::string mm = twoDigits(row.month);
        auto first = Date::fromDayMonthYear("01/" + mm + "/" + year);
        if (!first)
            return std::nullopt;
        std::optional<Date> last;
        if (row.month == 2) {
            last = Date::fromDayMonthYear("29/02/" + year);
            if (!last)
                last = Date::fromDayMonthYear("28/02/" + year);
        } else {
            last = Date::fromDayMonthYear(twoDigits(daysInMonth(2000, row.month)) + "/" + mm + "/" +
                                          year);
        }
        if (!last)
            return std::nullopt;
        return Period{*first, *last};
    }
    return std::nullopt;
}

PeriodError::PeriodError(const std::string& mes, const std::string& exercicio)
    : std::runtime_error("O m\xEAs e o exerc\xED"
                         "cio dos Dados Cadastrais n\xE3o formam um per\xEDodo "
                         "v\xE1lido." +
                         std::string(1, kMessageLineBreak) + "M\xEAs (MES): \"" + mes +
                         "\"  Exerc\xED"
                         "cio (EXERCICIO): \"" +
                         exercicio + "\"" + std::string(1, kMessageLineBreak) +
                         "Corrija-os em \"Dados Cadastrais\" e prepare o livro novamente.") {}

Period periodFromRegistration(const std::string& mes, const std::string& exercicio) {
    auto period = periodOfMonth(leftOf(mes, 10), leftOf(exercicio, 4));
    if (!period)
        throw PeriodError(mes, exercicio);
    return *period;
}

} // namespace rmnra
