// The sheet's output, batched in a buffer of its own: one locked stdio call
// per text would cost more than the engine's answer on the benchmark.
#include "sheetPrinter.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quorin {

namespace {

std::FILE* sheetStream = nullptr;
sheetOptions currentOptions;
char pending[1 << 16];
std::size_t pendingLength = 0;
bool skipEcho = false;

constexpr int exitWriteError = 1;

[[noreturn]] void endAtWriteError(int error) {
    if (error != EPIPE) {
        std::fprintf(stderr, "quorin: write error: %s\n", std::strerror(error));
    }
    std::exit(exitWriteError);
}

bool printed(worksheet::textKind kind) {
    // Only the first text of a typed line can be its echo: a typed line too
    // long shows its load error instead.
    const bool skipThisEcho = skipEcho;
    skipEcho = false;
    if (kind != worksheet::textKind::echo) {
        return true;
    }
    return !skipThisEcho && !currentOptions.answersOnly;
}

void writePending() {
    errno = 0;
    if (std::fwrite(pending, 1, pendingLength, sheetStream) != pendingLength ||
        std::fflush(sheetStream) != 0) {
        endAtWriteError(errno != 0 ? errno : EIO);
    }
    pendingLength = 0;
}

} // namespace

void openSheet(std::FILE* stream, sheetOptions options) {
    sheetStream = stream;
    currentOptions = options;
}

void printSheetText(const char* text, std::size_t length, worksheet::textKind kind) {
    if (!printed(kind)) {
        return;
    }
    // The diagnostics written since the last text belong before this one.
    if (currentOptions.diagnostics) {
        flushSheet();
    }
    if (pendingLength + length + 1 > sizeof pending) {
        writePending();
    }
    std::memcpy(pending + pendingLength, text, length);
    pendingLength += length;
    pending[pendingLength++] = '\n';
}

void skipNextEcho(bool skip) {
    skipEcho = skip;
}

void flushSheet() {
    writePending();
    // The engine's diagnostics, on standard error or the null device.
    std::fflush(stdout);
}

} // namespace quorin
