#include "spyCommand.h"

#include "polling.h"
#include "probeOutput.h"
#include "spyLog.h"
#include "targetWindows.h"

#include <cstring>

namespace {

// Names the log file for the hook; lives as long as the returned handle.
HANDLE publishLogPath(const std::string& path) {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        spyLogPathBytes, spyLogPathMapping);
    if (!mapping) {
        return nullptr;
    }
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, spyLogPathBytes)) {
        std::memset(view, 0, spyLogPathBytes);
        std::memcpy(view, path.c_str(), std::min<size_t>(path.size(), spyLogPathBytes - 1));
        UnmapViewOfFile(view);
    }
    return mapping;
}

// Wine loads the hook's DLL into the worksheet's process by its path.
HHOOK hookThreadOf(HWND worksheet) {
    return SetWindowsHookExA(WH_CALLWNDPROCRET, spyCallWndProcRet, GetModuleHandleA(spyHookLibrary),
                             GetWindowThreadProcessId(worksheet, nullptr));
}

} // namespace

int runSpy(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: spy LOGFILE");
    }
    HWND worksheet = nullptr;
    if (!pollUntil(defaultTimeoutMs, [&] { return (worksheet = findWorksheet()) != nullptr; })) {
        return failWith("no worksheet window");
    }
    HANDLE mapping = publishLogPath(options.arguments[0]);
    HHOOK hook = mapping ? hookThreadOf(worksheet) : nullptr;
    if (!hook) {
        return failWith("cannot hook the worksheet");
    }
    printLine("ready");
    pollUntil(options.timeoutMs, [&] { return !IsWindow(worksheet); });
    UnhookWindowsHookEx(hook);
    CloseHandle(mapping);
    return 0;
}
