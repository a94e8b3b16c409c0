#include "stdout_silencer.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

stdoutSilencer::stdoutSilencer() : savedStdout(dup(STDOUT_FILENO)) {
    std::fflush(stdout);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    close(devNull);
}

stdoutSilencer::~stdoutSilencer() {
    // What the engine left in the stdio buffer belongs to /dev/null too.
    std::fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
}
