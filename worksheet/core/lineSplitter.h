// Cuts a stream of bytes into worksheet lines and runs each one.
#ifndef QUORIN_WORKSHEET_LINE_SPLITTER_H
#define QUORIN_WORKSHEET_LINE_SPLITTER_H

#include "worksheet.h"

#include <cstddef>

namespace worksheet {

inline constexpr const char* loadErrorLine = "# load error";

// LF, CR and NUL end a line and are not part of it; empty lines are skipped;
// every other line goes to handleLine as soon as it is complete.
class lineSplitter {
  public:
    // Runs every line these bytes complete. Returns false when a line reached
    // slotBytes characters: "# load error" has run, and the rest of the input
    // must run nothing.
    bool feed(const char* bytes, std::size_t count);
    // Runs the last line when the input ended without a line end.
    void finish();

  private:
    // Adds text to the line; false when the line would reach slotBytes
    // characters, after running "# load error".
    bool append(const char* text, std::size_t textLength);
    void runPendingLine();

    char line[slotBytes];
    std::size_t length = 0;
};

} // namespace worksheet

#endif
