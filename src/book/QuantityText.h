#pragma once

#include <optional>
#include <string>

namespace rmnra {

// A number in its shortest general decimal form: up to 15 significant digits, no trailing
// zeros, the regional decimal separator; scientific notation ("1,5E-7") only for values
// below 0.00001 or with more than 15 integer digits. Empty when there is no value.
std::string generalNumberText(std::optional<double> value);

// A number through the mask "###.#": rounded to at most one decimal digit, the regional
// decimal separator, no thousands separator and no digit that is not significant, so
// 2 gives "2", 1.26 gives "1,3", 0.5 gives ",5" and 0 gives "".
std::string oneDecimalMaskText(double value);

} // namespace rmnra
