#pragma once

#include "support/QuietUserInterface.h"

namespace rmnra::bench {

// A user who sees nothing: the reports are timed apart from the preparation.
class SilentUi : public test::QuietUserInterface {
public:
    void showInconsistencies(const std::vector<std::string>& lines) override {
        inconsistencyLines += lines.size();
    }

    size_t inconsistencyLines = 0;
};

} // namespace rmnra::bench
