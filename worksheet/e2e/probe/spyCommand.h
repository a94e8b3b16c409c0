// spy LOGFILE: hooks the worksheet's thread so that the spy DLL logs what
// the program does inside (see spyHook.cpp) to LOGFILE, prints "ready",
// and holds the hook until the worksheet window is gone or the timeout
// ends.
#ifndef WORVANE_PROBE_SPY_COMMAND_H
#define WORVANE_PROBE_SPY_COMMAND_H

#include "probeOptions.h"

int runSpy(const probeOptions& options);

#endif
