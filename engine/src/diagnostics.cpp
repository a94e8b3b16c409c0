#include "diagnostics.h"

#include <cstdio>
#include <cstring>

namespace quorin {

namespace detail {
std::size_t pendingTeardownNotes = 0;
}

namespace {

char gathered[8192];
std::size_t gatheredLength = 0;

// Texts this long go out at once, behind what was gathered: copying them
// first would cost more than the call saved.
constexpr std::size_t directLength = 128;

// As many as are still gathered rather than written at once.
constexpr std::size_t notesPerBlock = (directLength - 1) / teardownNote.size();

// Teardown notes in a row, copied out a few at a time.
const char* noteBlock() {
    static char block[notesPerBlock * teardownNote.size()];
    static const bool filled = [] {
        for (std::size_t note = 0; note < notesPerBlock; ++note)
            std::memcpy(block + note * teardownNote.size(), teardownNote.data(),
                        teardownNote.size());
        return true;
    }();
    (void)filled;
    return block;
}

void gather(std::string_view text) {
    if (text.size() >= directLength || gatheredLength + text.size() > sizeof gathered) {
        if (gatheredLength > 0) std::fwrite(gathered, 1, gatheredLength, stdout);
        gatheredLength = 0;
        if (text.size() >= directLength) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            return;
        }
    }
    std::memcpy(gathered + gatheredLength, text.data(), text.size());
    gatheredLength += text.size();
}

void writePendingNotes() {
    std::size_t& pending = detail::pendingTeardownNotes;
    while (pending > 0) {
        const std::size_t notes = pending < notesPerBlock ? pending : notesPerBlock;
        gather({noteBlock(), notes * teardownNote.size()});
        pending -= notes;
    }
}

} // namespace

void writeDiagnostic(std::string_view text) {
    if (detail::pendingTeardownNotes > 0) writePendingNotes();
    gather(text);
}

void writeDiagnosticLine(std::string_view message, std::string_view name) {
    if (detail::pendingTeardownNotes > 0) writePendingNotes();
    gather(message);
    gather(name);
    gather("\r\n");
}

void flushDiagnostics() {
    writePendingNotes();
    if (gatheredLength == 0) return;
    std::fwrite(gathered, 1, gatheredLength, stdout);
    gatheredLength = 0;
}

} // namespace quorin
