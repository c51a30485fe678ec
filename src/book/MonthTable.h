#pragma once

#include "common/Dates.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace rmnra {

// The first and the last day of a book's month, both included.
struct Period {
    Date first;
    Date last;
};

// The month of the registration data as a period. monthName must equal one of the month
// names exactly ("JANEIRO" ... "DEZEMBRO", March as "MAR\xC7O" or "MARCO"); nullopt when
// it does not, or when the year does not make a valid date. February ends on the 29th
// when that date exists in the year.
std::optional<Period> periodOfMonth(const std::string& monthName, const std::string& year);

// The month named by MES and EXERCICIO of the registration row could not be turned into a
// period. The message names both values so the user knows what to correct.
class PeriodError : public std::runtime_error {
public:
    PeriodError(const std::string& mes, const std::string& exercicio);
};

// The period of the registration row: the first 10 characters of MES, the first 4 of
// EXERCICIO. Throws PeriodError when they name no month.
Period periodFromRegistration(const std::string& mes, const std::string& exercicio);

} // namespace rmnra
