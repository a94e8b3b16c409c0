// Prints the sheet's texts, one per line, on the worksheet's output stream.
#ifndef QUORIN_CLI_SHEET_PRINTER_H
#define QUORIN_CLI_SHEET_PRINTER_H

#include "worksheet.h"

#include <cstdio>

namespace quorin {

void openSheet(std::FILE* stream);
// A worksheet::lineObserver.
void printSheetText(const char* text, std::size_t length, worksheet::textKind kind);
// Leaves out the next text, the echo of a line the user sees at the prompt.
void skipNextSheetText();
// Forgets a skip that no text consumed (a typed line that ran nothing).
void cancelSkip();
void flushSheet();

} // namespace quorin

#endif
