// The line-reading rules of file loading.
#include "lineSplitter.h"

#include <algorithm>
#include <cstring>

namespace worksheet {

namespace {

bool endsLine(char byte) { return byte == '\n' || byte == '\r' || byte == '\0'; }

} // namespace

bool lineSplitter::feed(const char* bytes, std::size_t count) {
    const char* const end = bytes + count;
    while (bytes != end) {
        const char* const lineEnd = std::find_if(bytes, end, endsLine);
        if (!append(bytes, static_cast<std::size_t>(lineEnd - bytes))) {
            return false;
        }
        if (lineEnd == end) {
            break;
        }
        runPendingLine();
        bytes = lineEnd + 1;
    }
    return true;
}

void lineSplitter::finish() { runPendingLine(); }

bool lineSplitter::append(const char* text, std::size_t textLength) {
    if (textLength >= slotBytes - length) {
        length = 0;
        handleLine(loadErrorLine);
        return false;
    }
    std::memcpy(line + length, text, textLength);
    length += textLength;
    return true;
}

void lineSplitter::runPendingLine() {
    if (length == 0) {
        return;
    }
    line[length] = '\0';
    length = 0;
    handleLine(line);
}

} // namespace worksheet
