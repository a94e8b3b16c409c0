// The line-reading rules of file loading.
#include "lineSplitter.h"

#include "rings.h"

#include <cstring>

namespace worksheet {

namespace {

// The first LF, CR or NUL in [begin, end), or end. Line feeds are by far the
// commonest, so the others are only looked for before the first of them.
const char* findLineEnd(const char* begin, const char* end) {
    static constexpr char lineEnds[] = {'\n', '\r', '\0'};
    const char* found = end;
    for (const char lineEnd : lineEnds) {
        if (const void* match =
                std::memchr(begin, lineEnd, static_cast<std::size_t>(found - begin))) {
            found = static_cast<const char*>(match);
        }
    }
    return found;
}

} // namespace

bool lineSplitter::feed(const char* bytes, std::size_t count) {
    const char* const end = bytes + count;
    while (bytes != end) {
        const char* const lineEnd = findLineEnd(bytes, end);
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

void lineSplitter::finish() {
    runPendingLine();
}

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
    const std::size_t lineLength = length;
    length = 0;
    // At most slotBytes - 1 characters and no NUL among them: its cut length.
    runLine(line, lineLength);
}

} // namespace worksheet
