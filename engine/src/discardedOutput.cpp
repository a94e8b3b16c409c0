#include "discardedOutput.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace quorin {

#ifdef _WIN32

// NUL is a character device, as a console is, but has no console mode.
bool standardOutputIsDiscarded() {
    const intptr_t handle = _get_osfhandle(_fileno(stdout));
    if (handle == -1) return false;
    HANDLE output = reinterpret_cast<HANDLE>(handle);
    DWORD mode = 0;
    return GetFileType(output) == FILE_TYPE_CHAR && !GetConsoleMode(output, &mode);
}

#else

bool standardOutputIsDiscarded() {
    struct stat output {};
    struct stat nullDevice {};
    return fstat(fileno(stdout), &output) == 0 && stat("/dev/null", &nullDevice) == 0 &&
           S_ISCHR(output.st_mode) && S_ISCHR(nullDevice.st_mode) &&
           output.st_rdev == nullDevice.st_rdev;
}

#endif

} // namespace quorin
