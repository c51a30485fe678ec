#pragma once

namespace rmnra::bench {

// The process's peak resident memory in MB (VmHWM), and a way to start measuring a new peak
// from the current size.
double peakResidentMb();
void resetPeakResident();

} // namespace rmnra::bench
