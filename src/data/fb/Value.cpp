#include "Value.h"

#include <cmath>

namespace rmnra::fb {
namespace {

int64_t pow10(int n) {
    int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

double Numeric::toDouble() const {
    return double(units) / double(pow10(-scale));
}

Numeric Numeric::rescaled(int newScale) const {
    if (newScale == scale)
        return *this;
    if (newScale < scale)
        return {units * pow10(scale - newScale), newScale};
    int64_t div = pow10(newScale - scale);
    int64_t q = units / div;
    int64_t r = units % div;
    if (2 * (r < 0 ? -r : r) >= div)
        q += units < 0 ? -1 : 1;
    return {q, newScale};
}

bool Numeric::operator==(const Numeric& o) const {
    int s = std::min(scale, o.scale);
    return rescaled(s).units == o.rescaled(s).units;
}

std::string Value::textOr(const std::string& fallback) const {
    return isText() ? text() : fallback;
}

int64_t Value::integerOr(int64_t fallback) const {
    if (isInteger())
        return integer();
    if (isNumeric())
        return numeric().units / pow10(-numeric().scale);
    if (isDouble())
        return int64_t(std::trunc(real()));
    return fallback;
}

double Value::realOr(double fallback) const {
    if (isInteger())
        return double(integer());
    if (isNumeric())
        return numeric().toDouble();
    if (isDouble())
        return real();
    return fallback;
}

} // namespace rmnra::fb
