#include "interrupts.h"

#include <atomic>
#include <csignal>

namespace quorin {

namespace {

// Set by the signal handler, so lock-free: Windows runs the handler on a
// thread of its own.
std::atomic<bool> requested = false;
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void noteInterrupt(int) {
    requested = true;
#ifdef _WIN32
    // The C runtime puts the default back before every call.
    std::signal(SIGINT, noteInterrupt);
#endif
}

} // namespace

#ifdef _WIN32
void catchInterrupts() {
    if (std::signal(SIGINT, noteInterrupt) == SIG_IGN) std::signal(SIGINT, SIG_IGN);
}
#else
void catchInterrupts() {
    struct sigaction previous;
    sigaction(SIGINT, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN) return;
    struct sigaction catching = {};
    catching.sa_handler = noteInterrupt;
    sigemptyset(&catching.sa_mask);
    // A write to the terminal that the signal breaks into goes on, rather
    // than failing the whole output.
    catching.sa_flags = SA_RESTART;
    sigaction(SIGINT, &catching, nullptr);
}
#endif

void releaseInterrupts() {
    if (std::signal(SIGINT, SIG_DFL) == SIG_IGN) std::signal(SIGINT, SIG_IGN);
}

bool interruptRequested() {
    return requested;
}

void clearInterrupt() {
    requested = false;
}

} // namespace quorin
