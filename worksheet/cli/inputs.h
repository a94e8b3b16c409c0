// Running quorin's inputs: its FILEs and standard input.
#ifndef QUORIN_CLI_INPUTS_H
#define QUORIN_CLI_INPUTS_H

namespace quorin {

// Runs one FILE, or standard input for "-": a file as a load level, with a
// large buffer; standard input at a terminal through the prompt, from a
// pipe answering each line before reading on. A FILE that cannot be read
// is reported and counts as a failure.
void runInput(const char* name, bool sheetOnTerminal);

} // namespace quorin

#endif
