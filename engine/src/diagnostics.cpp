#include "diagnostics.h"

#include <cstdio>
#include <cstring>

namespace quorin {

namespace {

char gathered[8192];
std::size_t gatheredLength = 0;

// Texts this long go out at once, behind what was gathered: copying them
// first would cost more than the call saved.
constexpr std::size_t directLength = 128;

} // namespace

void writeDiagnostic(std::string_view text) {
    if (text.size() >= directLength || gatheredLength + text.size() > sizeof gathered) {
        flushDiagnostics();
        if (text.size() >= directLength) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            return;
        }
    }
    std::memcpy(gathered + gatheredLength, text.data(), text.size());
    gatheredLength += text.size();
}

void flushDiagnostics() {
    if (gatheredLength == 0) return;
    std::fwrite(gathered, 1, gatheredLength, stdout);
    gatheredLength = 0;
}

} // namespace quorin
