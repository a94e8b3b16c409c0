// Whether what goes to standard output is thrown away unread.
#ifndef QUORIN_DISCARDED_OUTPUT_H
#define QUORIN_DISCARDED_OUTPUT_H

namespace quorin {

// True when standard output is the null device (/dev/null, NUL): the
// worksheets point it there, as nobody reads the engine's diagnostic lines.
bool standardOutputIsDiscarded();

} // namespace quorin

#endif
