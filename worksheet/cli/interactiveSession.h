// quorin at a terminal: a prompt, one typed line at a time.
#ifndef QUORIN_CLI_INTERACTIVE_SESSION_H
#define QUORIN_CLI_INTERACTIVE_SESSION_H

#include "worksheet.h"

namespace quorin {

// Runs typed lines until the end of input. Ctrl-C drops the line being
// typed, or stops the work of a line that runs; the session goes on.
void runInteractiveSession(worksheet::worksheetCore& sheet);

} // namespace quorin

#endif
