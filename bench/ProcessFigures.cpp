#include "PeakMemory.h"

#include <fstream>
#include <string>

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
    // "5" resets the peak to the current resident size (Linux 4.0 and later).
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace rmnra::bench
