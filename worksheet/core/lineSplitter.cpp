// The line-reading rules of file loading.
#include "lineSplitter.h"

#include <cstring>

namespace worksheet {

namespace {

using namespace std::string_view_literals;

// Skipped: the file is UTF-8, which reads like 8-bit text.
constexpr std::string_view utf8Mark = "\xEF\xBB\xBF"sv;
// Refused: every other byte of UTF-16 text is a NUL, which would end a line.
constexpr std::string_view utf16Marks[] = {"\xFF\xFE"sv, "\xFE\xFF"sv};

// The byte order mark that starts with byte, or nothing.
std::string_view markStartingWith(char byte) {
    if (byte == utf8Mark[0]) return utf8Mark;
    for (const std::string_view mark : utf16Marks) {
        if (byte == mark[0]) return mark;
    }
    return {};
}

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

lineSplitter::lineSplitter(bool lookForMarks) : atStart(lookForMarks) {}

void lineSplitter::take(const char* bytes, std::size_t count) {
    pending = bytes;
    pendingEnd = bytes + count;
}

lineSplitter::cut lineSplitter::next() {
    if (atStart && !passByteOrderMark()) {
        return cut::needMoreInput;
    }
    if (refused) {
        const bool firstTime = cutLineNumber == 0;
        pending = pendingEnd;
        cutLineNumber = 1;
        return firstTime ? cut::utf16Text : cut::needMoreInput;
    }
    while (pending != pendingEnd) {
        const char* const segment = pending;
        const char* const lineEnd = findLineEnd(segment, pendingEnd);
        pending = lineEnd;
        if (lineEnd != segment) {
            afterCarriageReturn = false;
        }
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
        if (endLine(*lineEnd)) {
            return cut::line;
        }
    }
    return cut::needMoreInput;
}

bool lineSplitter::finish() {
    if (atStart) {
        // Fewer bytes than a byte order mark, all of them like its start:
        // they are the line.
        append(markCandidate.data(), markBytesSeen);
        atStart = false;
    }
    if (refused || skippingTooLongLine || length == 0) {
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
    while (pending != pendingEnd) {
        if (markBytesSeen == 0) {
            markCandidate = markStartingWith(*pending);
        } else if (*pending != markCandidate[markBytesSeen]) {
            // Not a mark after all: what looked like one is text.
            markCandidate = markCandidate.substr(0, markBytesSeen);
        }
        if (markBytesSeen == markCandidate.size()) {
            append(markCandidate.data(), markBytesSeen);
            atStart = false;
            return true;
        }
        ++markBytesSeen;
        ++pending;
        if (markBytesSeen == markCandidate.size()) {
            refused = markCandidate != utf8Mark;
            atStart = false;
            return true;
        }
    }
    return false;
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
    return true;
}

bool lineSplitter::endLine(char lineEnd) {
    // The line feed of a CR LF pair ends no line of its own.
    const bool secondHalfOfPair = lineEnd == '\n' && afterCarriageReturn;
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
