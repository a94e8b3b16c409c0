// Cuts a stream of bytes into worksheet lines; running them is its caller's.
#ifndef QUORIN_WORKSHEET_LINE_SPLITTER_H
#define QUORIN_WORKSHEET_LINE_SPLITTER_H

#include "worksheet.h"

#include <cstddef>
#include <string_view>

namespace worksheet {

// LF, CR and NUL end a line and are not part of it; empty lines are
// skipped; a UTF-8 byte order mark at the very start is no part of the
// first line. Lines are numbered from 1, a CR LF pair ending one line.
class lineSplitter {
  public:
    enum class cut {
        line,          // line() holds the next line
        needMoreInput, // the bytes taken are used up
        lineTooLong,   // a line reached slotBytes characters: it is dropped,
                       // and so are the bytes up to its end
    };

    // Takes the next block of input. It must stay in place until next()
    // answers needMoreInput.
    void take(const char* bytes, std::size_t count);
    cut next();
    // At the end of the input: true, with the last line in line(), when one
    // was left without a line end.
    bool finish();

    // The line cut last; valid until the next call of next() or finish().
    std::string_view line() const;
    // The number of the line cut last, or of the line too long.
    long lineNumber() const;

  private:
    // False while the input so far could still be the start of a byte
    // order mark.
    bool passByteOrderMark();
    // Adds text to the line; false when the line would reach slotBytes.
    bool append(const char* text, std::size_t textLength);
    // Ends the line being put together with lineEnd; true when that gives
    // a line to run.
    bool endLine(char lineEnd, bool lineEndFollowsAtOnce);
    // Hands over the line put together.
    void completeLine();

    const char* pending = nullptr;
    const char* pendingEnd = nullptr;

    char text[slotBytes];
    std::size_t length = 0;
    std::size_t cutLength = 0;

    long linesEnded = 0;
    long cutLineNumber = 0;
    bool afterCarriageReturn = false;
    bool skippingTooLongLine = false;
    bool atStart = true;
    int byteOrderMarkSeen = 0;
};

} // namespace worksheet

#endif
