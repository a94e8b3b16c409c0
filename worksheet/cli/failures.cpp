#include "failures.h"

#include "commandLine.h"
#include "sheetPrinter.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace quorin {

namespace {

bool failed = false;

// The sheet goes out first, so that a message on the same terminal stands
// after the line that caused it.
void beforeMessage() {
    flushSheet();
    failed = true;
}

} // namespace

void reportUnreadableInput(const char* name, int error) {
    beforeMessage();
    if (std::string_view(name) == standardInputName) {
        std::fprintf(stderr, "quorin: cannot read standard input: %s\n", std::strerror(error));
    } else {
        std::fprintf(stderr, "quorin: cannot read '%s': %s\n", name, std::strerror(error));
    }
}

void reportLoadError(const char* inputName, long lineNumber, const char* reason) {
    beforeMessage();
    if (inputName != nullptr) {
        std::fprintf(stderr, "%s:%ld: %s\n", inputName, lineNumber, reason);
    } else {
        std::fprintf(stderr, "quorin: %s\n", reason);
    }
}

bool anyFailure() {
    return failed;
}

} // namespace quorin
