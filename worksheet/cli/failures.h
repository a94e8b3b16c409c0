// Everything that makes quorin exit with status 1, each told on standard
// error in the usual forms: "quorin: cannot read 'FILE': reason" for an
// input, "FILE:LINE: reason" for a failed load; and the stops a person asks
// for, which are no failure.
#ifndef QUORIN_CLI_FAILURES_H
#define QUORIN_CLI_FAILURES_H

#include "worksheet.h"

namespace quorin {

void reportUnreadableInput(const char* name, int error);
void reportLoadError(worksheet::inputPlace where, const char* reason);
// Quietly for a reader that went away (EPIPE).
void reportWriteError(int error);
// Work stopped by Ctrl-C after the line at where.
void reportInterrupted(worksheet::inputPlace where);

// Once the sheet cannot be written, nothing more need run.
bool outputFailed();
bool anyFailure();

} // namespace quorin

#endif
