// Everything that makes quorin exit with status 1, each told on standard
// error in the usual forms: "quorin: cannot read 'FILE': reason" for an
// input, "FILE:LINE: reason" for a failed load.
#ifndef QUORIN_CLI_FAILURES_H
#define QUORIN_CLI_FAILURES_H

namespace quorin {

void reportUnreadableInput(const char* name, int error);
// A worksheet::loadErrorObserver.
void reportLoadError(const char* inputName, long lineNumber, const char* reason);
bool anyFailure();

} // namespace quorin

#endif
