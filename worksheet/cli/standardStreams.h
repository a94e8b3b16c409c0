// The process's standard streams, seen portably (POSIX and Windows).
#ifndef QUORIN_CLI_STANDARD_STREAMS_H
#define QUORIN_CLI_STANDARD_STREAMS_H

#include <cstddef>
#include <cstdio>

namespace quorin {

// Points a closed standard error at the null device, so that no file
// opened later takes its place and receives what belongs on it.
void keepStandardErrorOpen();

// The engine writes diagnostic lines on the C standard output. This points
// that descriptor at the null device, or at standard error when diagnostics
// are wanted, and returns a stream on the original standard output for the
// sheet (null if that fails).
std::FILE* divertStandardOutput(bool diagnosticsToStandardError);

bool standardInputIsTerminal();
bool standardOutputIsTerminal();

// Reads what standard input has, up to count bytes, waiting only until
// some arrive: the byte count, 0 at its end, or -1 with errno set.
long readStandardInput(char* buffer, std::size_t count);

} // namespace quorin

#endif
