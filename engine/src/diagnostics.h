// The engine's diagnostic lines on standard output ("knob destructor
// called", "undefined variable :x"). They are gathered and written once per
// exported call: one line can tear down thousands of operator nodes, and a
// stdio call for each would cost more than the line itself.
#ifndef QUORIN_DIAGNOSTICS_H
#define QUORIN_DIAGNOSTICS_H

#include <cstddef>
#include <string_view>

namespace quorin {

// What tearing down an operator node writes.
inline constexpr std::string_view teardownNote = "knob destructor called\n";

namespace detail {
extern std::size_t pendingTeardownNotes;
}

// Looks where standard output points now: when that is the null device, no
// diagnostic line is made from here on, since formatting and writing them
// cost a symbolic line more than a third of its time. Called by initialize;
// until then every line is written.
void settleDiagnosticsOutput();

// Writes message, then name, then the line end "\r\n", as one line.
void writeDiagnosticLine(std::string_view message, const char* name);

// count teardown notes. Only counted here: the notes are written out, in
// their place among the other lines, when another line is written or at a
// flush.
inline void noteTeardowns(std::size_t count) {
    detail::pendingTeardownNotes += count;
}

// Writes what was gathered to standard output.
void flushDiagnostics();

// Flushes on every way out of an exported function, so that the lines keep
// their place among the caller's own output.
class diagnosticsFlush {
  public:
    diagnosticsFlush() = default;
    diagnosticsFlush(const diagnosticsFlush&) = delete;
    diagnosticsFlush& operator=(const diagnosticsFlush&) = delete;
    ~diagnosticsFlush() { flushDiagnostics(); }
};

} // namespace quorin

#endif
