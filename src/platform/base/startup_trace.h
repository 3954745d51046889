// Start-up milestones. With BRELLIS_TRACE_STARTUP=1 in the environment each
// milestone is written to standard error with the time since the process
// started, so the cost of every stage of start-up can be read off one run.
#pragma once

namespace platform {

// Writes "brellis: startup <milliseconds> ms: <milestone>" when tracing is on;
// a milestone passed more than once is written only the first time.
void TraceStartup(const char* milestone);

}  // namespace platform
