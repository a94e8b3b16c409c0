// Cuts a stream of bytes into worksheet lines; running them is its caller's.
#ifndef QUORIN_WORKSHEET_LINE_SPLITTER_H
#define QUORIN_WORKSHEET_LINE_SPLITTER_H

#include "worksheet.h"

#include <cstddef>
#include <string_view>

namespace worksheet {

// LF, CR and NUL end a line and are not part of it; empty lines are
// skipped. Lines are numbered from 1, a CR LF pair ending one line. A
// splitter that looks for byte order marks skips a UTF-8 one at the very
// start and refuses a UTF-16 one there.
class lineSplitter {
  public:
    enum class cut {
        line,          // line() holds the next line
        needMoreInput, // the bytes taken are used up
        lineTooLong,   // a line reached slotBytes characters: it is dropped,
                       // and so are the bytes up to its end
        utf16Text,     // the input starts with a UTF-16 byte order mark;
                       // it cannot be read and cuts nothing more
    };

    explicit lineSplitter(bool lookForMarks);

    // Takes the next block of input. It must stay in place until next()
    // answers needMoreInput.
    void take(const char* bytes, std::size_t count);
    cut next();
    // At the end of the input: true, with the last line in line(), when one
    // was left without a line end.
    bool finish();

    // The line cut last; valid until the next call of next() or finish(),
    // and of take(): it may lie in the bytes taken.
    std::string_view line() const;
    // The number of the line cut last, or of the line refused; 0 before any.
    long lineNumber() const;

  private:
    // The first LF, CR or NUL from begin on in the bytes taken, or their end.
    const char* findLineEnd(const char* begin);
    // False while the input so far could still be the start of a byte
    // order mark.
    bool passByteOrderMark();
    // Adds text to the line; false when the line would reach slotBytes.
    bool append(const char* text, std::size_t textLength);
    // Ends the line, lineText, with lineEnd; true when that gives a line to
    // run.
    bool endLine(char lineEnd, const char* lineText, std::size_t lineLength);
    // Hands over the line.
    void completeLine(const char* lineText, std::size_t lineLength);

    const char* pending = nullptr;
    const char* pendingEnd = nullptr;
    // The first CR and the first NUL found in the bytes taken, or their end.
    const char* nextReturn = nullptr;
    const char* nextNul = nullptr;

    // The line being put together from the pieces of several takes.
    char text[slotBytes];
    std::size_t length = 0;
    // The line cut last: in text, or in the bytes taken.
    const char* cutText = text;
    std::size_t cutLength = 0;

    long linesEnded = 0;
    long cutLineNumber = 0;
    // The last byte taken was a CR that ended a line.
    bool afterCarriageReturn = false;
    bool skippingTooLongLine = false;
    bool refused = false;
    // Still at the start, where a byte order mark may stand.
    bool atStart;
    // The mark the first bytes match so far, and how many of its bytes.
    std::string_view markCandidate;
    std::size_t markBytesSeen = 0;
};

} // namespace worksheet

#endif
