#pragma once

#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

namespace bench {

// Runs the steps of the preparation one by one, as the preparation does, and prints how long
// each takes (to stderr), for finding where the time goes.
void printPhaseBreakdown(fb::Attachment& main, const std::string& cnpj);

} // namespace bench
} // namespace rmnra
