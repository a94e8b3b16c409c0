// The line-reading rules of file loading.
#include "lineSplitter.h"

#include <algorithm>
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

// The first byte in [begin, end) equal to byte, or end.
const char* find(const char* begin, const char* end, char byte) {
    if (begin == end) return end; // no bytes, perhaps not even a block
    const void* match = std::memchr(begin, byte, static_cast<std::size_t>(end - begin));
    return match ? static_cast<const char*>(match) : end;
}

} // namespace

lineSplitter::lineSplitter(bool lookForMarks) : atStart(lookForMarks) {}

void lineSplitter::take(const char* bytes, std::size_t count) {
    pending = bytes;
    pendingEnd = bytes + count;
    nextReturn = find(bytes, pendingEnd, '\r');
    nextNul = find(bytes, pendingEnd, '\0');
}

// Line feeds are by far the commonest line end: the next CR and the next NUL
// are looked for only once the last ones found lie behind, so a file of line
// feeds costs one search a line.
const char* lineSplitter::findLineEnd(const char* begin) {
    if (nextReturn < begin) nextReturn = find(begin, pendingEnd, '\r');
    if (nextNul < begin) nextNul = find(begin, pendingEnd, '\0');
    return find(begin, std::min(nextReturn, nextNul), '\n');
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
        const char* const lineEnd = findLineEnd(segment);
        const auto segmentLength = static_cast<std::size_t>(lineEnd - segment);
        pending = lineEnd;
        if (segmentLength != 0) {
            afterCarriageReturn = false;
        }
        // A line that lies whole in the bytes taken is handed out where it
        // lies, without a copy.
        const bool inPlace = length == 0 && lineEnd != pendingEnd && segmentLength < slotBytes &&
                             !skippingTooLongLine;
        if (!inPlace && !skippingTooLongLine && !append(segment, segmentLength)) {
            skippingTooLongLine = true;
            length = 0;
            cutLineNumber = linesEnded + 1;
            return cut::lineTooLong;
        }
        if (lineEnd == pendingEnd) {
            break;
        }
        ++pending;
        if (inPlace ? endLine(*lineEnd, segment, segmentLength) : endLine(*lineEnd, text, length)) {
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
    completeLine(text, length);
    return true;
}

std::string_view lineSplitter::line() const {
    return {cutText, cutLength};
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

bool lineSplitter::endLine(char lineEnd, const char* lineText, std::size_t lineLength) {
    // The line feed of a CR LF pair ends no line of its own.
    const bool secondHalfOfPair = lineEnd == '\n' && afterCarriageReturn;
    afterCarriageReturn = lineEnd == '\r';
    if (secondHalfOfPair) {
        return false;
    }
    ++linesEnded;
    skippingTooLongLine = false;
    if (lineLength == 0) {
        return false;
    }
    cutLineNumber = linesEnded;
    completeLine(lineText, lineLength);
    return true;
}

void lineSplitter::completeLine(const char* lineText, std::size_t lineLength) {
    cutText = lineText;
    cutLength = lineLength;
    length = 0;
}

} // namespace worksheet
