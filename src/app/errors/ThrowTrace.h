#pragma once

#include <string>

namespace rmnra {

// The call stack at the moment the exception being handled was thrown (every throw
// records it), as lines "  #n function (module)"; empty when nothing was recorded.
std::string lastThrowTrace();

// The call stack of the caller, in the same form.
std::string currentStackTrace();

} // namespace rmnra
