#pragma once

#include "common/Dates.h"

#include <cstdint>
#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

namespace bench {

// The pharmacy and month of a synthetic suite.
inline constexpr const char* kSyntheticCnpj = "22333444000155";
inline const Date kSyntheticFirstDay{2026, 10, 1};
inline const Date kSyntheticLastDay{2026, 10, 31};

struct SyntheticCounts {
    std::int64_t orders = 0;
    std::int64_t formulas = 0;
    std::int64_t components = 0;
    std::int64_t items = 0;
};

// Fills an empty main database with a large month of a compounding pharmacy, always the same
// for the same seed: a catalogue of 5,000 codes (about 8 % list "A", some other controlled,
// the rest free, 500 of them ready-made products), 2,000 DCB names, and `orders` orders in
// the month (5 % of other types, 80 % with 1-3 formulas of 2-6 components, the others with
// 1-2 ready-made items), with some notification numbers, CRMs, prescription dates and
// prescribed capsule quantities missing, plus a few orders of the months around. One
// transaction per 5,000 orders.
SyntheticCounts fillSyntheticMonth(fb::Attachment& main, int orders, std::uint32_t seed = 20261011);

} // namespace bench
} // namespace rmnra
