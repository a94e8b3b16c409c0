// quorin at a terminal: a prompt, one typed line at a time.
#ifndef QUORIN_CLI_INTERACTIVE_SESSION_H
#define QUORIN_CLI_INTERACTIVE_SESSION_H

namespace quorin {

// Runs typed lines until the end of input. When the sheet goes to the
// terminal too, a typed line is not printed a second time.
void runInteractiveSession(bool sheetOnTerminal);

} // namespace quorin

#endif
