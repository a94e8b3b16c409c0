// The message spy: a hook procedure that runs inside the program under test
// (Wine loads the hook's DLL there) and appends what it sees to a log file
// that the test scripts read. The probe names the file through a named
// shared memory block, since the hook cannot be given arguments.
#ifndef WORVANE_PROBE_SPY_LOG_H
#define WORVANE_PROBE_SPY_LOG_H

#include <windows.h>

inline constexpr char spyLogPathMapping[] = "WorvaneProbeSpyLogPath";
inline constexpr DWORD spyLogPathBytes = MAX_PATH;
inline constexpr char spyHookLibrary[] = "worvane_spy.dll";

#ifdef WORVANE_SPY_LIBRARY
#define WORVANE_SPY_API __declspec(dllexport)
#else
#define WORVANE_SPY_API __declspec(dllimport)
#endif

// The WH_CALLWNDPROCRET hook procedure.
extern "C" WORVANE_SPY_API LRESULT CALLBACK spyCallWndProcRet(int code, WPARAM wParam,
                                                              LPARAM lParam);

#endif
