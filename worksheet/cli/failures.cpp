#include "failures.h"

#include "commandLine.h"
#include "sheetPrinter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace quorin {

namespace {

bool failed = false;
bool writeFailed = false;

// The sheet goes out first, so that a message on the same terminal stands
// after the line that caused it.
void beforeMessage() {
    flushSheet();
}

void reportAt(worksheet::inputPlace where, const char* what) {
    beforeMessage();
    if (where.inputName != nullptr) {
        std::fprintf(stderr, "%s:%ld: %s\n", where.inputName, where.lineNumber, what);
    } else {
        std::fprintf(stderr, "quorin: %s\n", what);
    }
}

} // namespace

void reportUnreadableInput(const char* name, int error) {
    beforeMessage();
    failed = true;
    if (std::string_view(name) == standardInputName) {
        std::fprintf(stderr, "quorin: cannot read standard input: %s\n", std::strerror(error));
    } else {
        std::fprintf(stderr, "quorin: cannot read '%s': %s\n", name, std::strerror(error));
    }
}

void reportLoadError(worksheet::inputPlace where, const char* reason) {
    failed = true;
    reportAt(where, reason);
}

void reportWriteError(int error) {
    failed = true;
    writeFailed = true;
    if (error != EPIPE) {
        std::fprintf(stderr, "quorin: write error: %s\n", std::strerror(error));
    }
}

void reportInterrupted(worksheet::inputPlace where) {
    reportAt(where, "interrupted");
}

bool outputFailed() {
    return writeFailed;
}

bool anyFailure() {
    return failed;
}

} // namespace quorin
