// Running quorin's inputs: its FILEs and standard input.
#ifndef QUORIN_CLI_INPUTS_H
#define QUORIN_CLI_INPUTS_H

#include "worksheet.h"

namespace quorin {

// Runs one FILE, or standard input for "-": a file as a load level, with a
// large buffer; standard input at a terminal through the prompt, otherwise
// answering what has arrived before reading on. A FILE that cannot be read
// is reported and counts as a failure.
void runInput(worksheet::worksheetCore& sheet, const char* name);

} // namespace quorin

#endif
