#include "ProcessFigures.h"

#include <fstream>
#include <malloc.h>
#include <string>
#include <sys/resource.h>

namespace rmnra::bench {

double peakResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0; // the kernel gives kB
    return 0;
}

void resetPeakResident() {
    // Freed heap the allocator still keeps would otherwise count towards the next step.
    malloc_trim(0);
    // "5" resets the peak to the current resident size (Linux 4.0 and later).
    std::ofstream("/proc/self/clear_refs") << "5";
}

double processCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

} // namespace rmnra::bench
