#pragma once

namespace rmnra::bench {

// The process's peak resident memory in MB (VmHWM), and a way to start measuring a new peak
// from the current size (the heap the allocator kept from earlier steps is given back first).
double peakResidentMb();
void resetPeakResident();

// Processor time the process has used so far (user and system, every thread), in seconds:
// with the embedded engine this includes the database's own work, and unlike the wall clock
// it does not grow when other programs load the machine.
double processCpuSeconds();

} // namespace rmnra::bench
