#pragma once

#include "common/Dates.h"

#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

namespace bench {

// The least the database itself needs to produce the month's formula rows of the book: one
// INSERT INTO RMNRB2 ... SELECT over the orders, formulas, components, catalogue and DCB
// names, committed. The rows go under `cnpj`; returns how many were written.
unsigned insertFormulaRowsInOneStatement(fb::Attachment& main, const std::string& cnpj,
                                         const Date& firstDay, const Date& lastDay);

} // namespace bench
} // namespace rmnra
