#pragma once

#include <chrono>

namespace rmnra::bench {

// Seconds since the start or the previous lap.
class Stopwatch {
public:
    double lap() {
        const auto now = std::chrono::steady_clock::now();
        const double s = std::chrono::duration<double>(now - start_).count();
        start_ = now;
        return s;
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace rmnra::bench
