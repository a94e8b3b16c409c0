// Ctrl-C while quorin works for a person at a terminal: it asks the work to
// stop instead of ending the program.
#ifndef QUORIN_CLI_INTERRUPTS_H
#define QUORIN_CLI_INTERRUPTS_H

namespace quorin {

// From now on an interrupt signal only sets the request, unless the signal
// was ignored when quorin started (a background job's).
void catchInterrupts();
// Interrupt signals end the program again.
void releaseInterrupts();

bool interruptRequested();
void clearInterrupt();

} // namespace quorin

#endif
