// The sheet's output, batched in a buffer of its own: one locked stdio call
// per text would cost more than the engine's answer on the benchmark.
#include "sheetPrinter.h"

#include "failures.h"

#include <cerrno>
#include <cstring>

namespace quorin {

namespace {

std::FILE* sheetStream = nullptr;
sheetOptions currentOptions;
char pending[1 << 16];
std::size_t pendingLength = 0;

bool printed(worksheet::textKind kind, int loadDepth) {
    if (kind != worksheet::textKind::echo) {
        return true;
    }
    const bool typed = loadDepth == 0;
    return !currentOptions.answersOnly && !(typed && currentOptions.typedLinesShown);
}

void writePending() {
    if (outputFailed()) {
        pendingLength = 0;
        return;
    }
    errno = 0;
    if (std::fwrite(pending, 1, pendingLength, sheetStream) != pendingLength ||
        std::fflush(sheetStream) != 0) {
        reportWriteError(errno != 0 ? errno : EIO);
    }
    pendingLength = 0;
}

bool roomFor(std::size_t length) {
    return pendingLength + length + 1 <= sizeof pending;
}

// A text and its line end. The copy comes last, where nothing is left to
// keep across the call: the common way needs no stack frame.
void append(const char* text, std::size_t length) {
    char* const at = pending + pendingLength;
    pendingLength += length + 1;
    at[length] = '\n';
    std::memcpy(at, text, length);
}

[[gnu::noinline]] void appendAfterFlush(const char* text, std::size_t length) {
    // The diagnostics written since the last text belong before this one.
    if (currentOptions.diagnostics) {
        flushSheet();
    }
    if (!roomFor(length)) {
        writePending();
    }
    append(text, length);
}

} // namespace

void openSheet(std::FILE* stream, sheetOptions options) {
    sheetStream = stream;
    currentOptions = options;
}

void printSheetText(const char* text, std::size_t length, worksheet::textKind kind, int loadDepth) {
    if (!printed(kind, loadDepth)) {
        return;
    }
    if (currentOptions.diagnostics || !roomFor(length)) {
        appendAfterFlush(text, length);
        return;
    }
    append(text, length);
}

void flushSheet() {
    writePending();
    // The engine's diagnostics, on standard error or the null device.
    std::fflush(stdout);
}

} // namespace quorin
