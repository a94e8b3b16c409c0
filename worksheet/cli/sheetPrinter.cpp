// The sheet's output, batched in a buffer of its own: one locked stdio call
// per text would cost more than the engine's answer on the benchmark.
#include "sheetPrinter.h"

#include <cstring>

namespace quorin {

namespace {

std::FILE* sheetStream = nullptr;
char pending[1 << 16];
std::size_t pendingLength = 0;
bool skipNext = false;

} // namespace

void openSheet(std::FILE* stream) {
    sheetStream = stream;
}

void printSheetText(const char* text, std::size_t length, worksheet::textKind kind) {
    // Only the first text of a typed line can be its echo: a typed line too
    // long shows its load error instead.
    const bool skipThis = skipNext;
    skipNext = false;
    if (skipThis && kind == worksheet::textKind::echo) {
        return;
    }
    if (pendingLength + length + 1 > sizeof pending) {
        flushSheet();
    }
    std::memcpy(pending + pendingLength, text, length);
    pendingLength += length;
    pending[pendingLength++] = '\n';
}

void skipNextSheetText() {
    skipNext = true;
}

void cancelSkip() {
    skipNext = false;
}

void flushSheet() {
    std::fwrite(pending, 1, pendingLength, sheetStream);
    pendingLength = 0;
    std::fflush(sheetStream);
}

} // namespace quorin
