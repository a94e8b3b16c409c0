// The line-reading rules of file loading.
#include "lineSplitter.h"

#include <cstring>

namespace worksheet {

namespace {

constexpr char byteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr int byteOrderMarkLength = sizeof byteOrderMark;

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

void lineSplitter::take(const char* bytes, std::size_t count) {
    pending = bytes;
    pendingEnd = bytes + count;
}

lineSplitter::cut lineSplitter::next() {
    if (atStart && !passByteOrderMark()) {
        return cut::needMoreInput;
    }
    while (pending != pendingEnd) {
        const char* const segment = pending;
        const char* const lineEnd = findLineEnd(segment, pendingEnd);
        pending = lineEnd;
        if (!skippingTooLongLine && !append(segment, static_cast<std::size_t>(lineEnd - segment))) {
            skippingTooLongLine = true;
            length = 0;
            cutLineNumber = linesEnded + 1;
            return cut::lineTooLong;
        }
        if (lineEnd == pendingEnd) {
            break;
        }
        ++pending;
        if (endLine(*lineEnd, lineEnd == segment)) {
            return cut::line;
        }
    }
    return cut::needMoreInput;
}

bool lineSplitter::finish() {
    if (atStart) {
        // Fewer bytes than a byte order mark, all of them like its start:
        // they are the line.
        append(byteOrderMark, static_cast<std::size_t>(byteOrderMarkSeen));
        atStart = false;
    }
    if (skippingTooLongLine || length == 0) {
        return false;
    }
    cutLineNumber = linesEnded + 1;
    completeLine();
    return true;
}

std::string_view lineSplitter::line() const {
    return {text, cutLength};
}

long lineSplitter::lineNumber() const {
    return cutLineNumber;
}

bool lineSplitter::passByteOrderMark() {
    while (pending != pendingEnd && byteOrderMarkSeen < byteOrderMarkLength) {
        if (*pending != byteOrderMark[byteOrderMarkSeen]) {
            // Not a mark after all: what looked like one is text.
            append(byteOrderMark, static_cast<std::size_t>(byteOrderMarkSeen));
            atStart = false;
            return true;
        }
        ++byteOrderMarkSeen;
        ++pending;
    }
    atStart = byteOrderMarkSeen < byteOrderMarkLength;
    return !atStart;
}

bool lineSplitter::append(const char* bytes, std::size_t count) {
    if (count == 0) {
        return true;
    }
    if (count >= slotBytes - length) {
        return false;
    }
    std::memcpy(text + length, bytes, count);
    length += count;
    afterCarriageReturn = false;
    return true;
}

bool lineSplitter::endLine(char lineEnd, bool lineEndFollowsAtOnce) {
    // The line feed of a CR LF pair ends no line of its own.
    const bool secondHalfOfPair = lineEnd == '\n' && afterCarriageReturn && lineEndFollowsAtOnce;
    afterCarriageReturn = lineEnd == '\r';
    if (secondHalfOfPair) {
        return false;
    }
    ++linesEnded;
    skippingTooLongLine = false;
    if (length == 0) {
        return false;
    }
    cutLineNumber = linesEnded;
    completeLine();
    return true;
}

void lineSplitter::completeLine() {
    cutLength = length;
    length = 0;
}

} // namespace worksheet
