// Running one line, for the core's own callers that know more about it than
// handleLine's.
#ifndef QUORIN_WORKSHEET_LINE_CYCLE_H
#define QUORIN_WORKSHEET_LINE_CYCLE_H

#include "worksheet.h"

#include <cstddef>

namespace worksheet {

// handleLine for a line of at most longestLine characters whose length is
// known; shownAs is how the line itself appears on the sheet.
void runLine(const char* line, std::size_t length, textKind shownAs = textKind::echo);

} // namespace worksheet

#endif
