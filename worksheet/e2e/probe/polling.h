// Every check of the window polls: the program under test runs in another
// process and answers input when it gets to it.
#ifndef WORVANE_PROBE_POLLING_H
#define WORVANE_PROBE_POLLING_H

#include <windows.h>

inline constexpr DWORD pollIntervalMs = 40;

// Calls check until it returns true or timeoutMs have passed; the last
// answer of check is the result.
template <typename Check> bool pollUntil(DWORD timeoutMs, Check check) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (check()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(pollIntervalMs);
    }
}

#endif
