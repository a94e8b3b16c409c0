// Prints the sheet's texts, one per line, on the worksheet's output stream.
#ifndef QUORIN_CLI_SHEET_PRINTER_H
#define QUORIN_CLI_SHEET_PRINTER_H

#include "worksheet.h"

#include <cstdio>

namespace quorin {

struct sheetOptions {
    // Only answers and load errors, not the lines themselves.
    bool answersOnly = false;
    // The engine's diagnostic lines go out beside the texts of their line.
    bool diagnostics = false;
};

void openSheet(std::FILE* stream, sheetOptions options);
// A worksheet::lineObserver.
void printSheetText(const char* text, std::size_t length, worksheet::textKind kind);
// While set, the echo of the next line is left out: a line the user sees at
// the prompt already. Unset it when that line ran nothing.
void skipNextEcho(bool skip);
// Writes out everything printed so far, diagnostics included. A write error
// ends the program: quietly for a reader that went away, with a message
// and exit status 1 otherwise.
void flushSheet();

} // namespace quorin

#endif
