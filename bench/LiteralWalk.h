#pragma once

#include "common/Dates.h"

#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

namespace bench {

// For comparison only: the book prepared by walking the month order by order as a data-module
// program would, with a query for each order's formulas and items, each formula's
// components and each code's catalogue and DCB entries, and after every book row a commit
// and a full re-read of the book. Returns the rows written.
int prepareBookLiterally(fb::Attachment& main, const std::string& cnpj, const Date& firstDay,
                         const Date& lastDay);

} // namespace bench
} // namespace rmnra
