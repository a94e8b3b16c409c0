// Putting texts on the sheet.
#ifndef QUORIN_WORKSHEET_SHEET_LINES_H
#define QUORIN_WORKSHEET_SHEET_LINES_H

#include "worksheet.h"

#include <cstddef>

namespace worksheet {

// Puts a text on the sheet, cut to longestLine characters, and tells the
// line observer.
void showLine(const char* text, textKind kind);
// The same for a text whose cut length is known.
void showText(const char* text, std::size_t length, textKind kind);

} // namespace worksheet

#endif
