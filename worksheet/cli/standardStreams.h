// The process's standard streams, seen portably (POSIX and Windows).
#ifndef QUORIN_CLI_STANDARD_STREAMS_H
#define QUORIN_CLI_STANDARD_STREAMS_H

#include <cstdio>

namespace quorin {

// The engine writes diagnostic lines on the C standard output. This points
// that descriptor at the null device, or at standard error when diagnostics
// are wanted, and returns a stream on the original standard output for the
// sheet (null if that fails).
std::FILE* divertStandardOutput(bool diagnosticsToStandardError);

bool standardInputIsTerminal();
bool standardOutputIsTerminal();

} // namespace quorin

#endif
