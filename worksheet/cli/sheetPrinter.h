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
    // Lines typed at a prompt on the same terminal are not printed a second
    // time; the lines of the files they load are.
    bool typedLinesShown = false;
};

void openSheet(std::FILE* stream, sheetOptions options);
void printSheetText(const char* text, std::size_t length, worksheet::textKind kind, int loadDepth);
// Writes out everything printed so far, diagnostics included. After a write
// error (reported as a failure) nothing more is written.
void flushSheet();

} // namespace quorin

#endif
