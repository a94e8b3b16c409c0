// The engine's diagnostic lines on standard output ("knob destructor
// called", "undefined variable :x"). They are gathered and written once per
// exported call: one line can tear down thousands of operator nodes, and a
// stdio call for each would cost more than the line itself.
#ifndef QUORIN_DIAGNOSTICS_H
#define QUORIN_DIAGNOSTICS_H

#include <string_view>

namespace quorin {

// What tearing down an operator node writes.
inline constexpr std::string_view teardownNote = "knob destructor called\n";

void writeDiagnostic(std::string_view text);

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
