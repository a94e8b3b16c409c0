#include "diagnostics.h"

#include "discardedOutput.h"
#include "engineLimits.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace quorin {

namespace detail {
std::size_t pendingTeardownNotes = 0;
}

namespace {

bool discarded = false;

char gathered[8192];
std::size_t gatheredLength = 0;

// Texts this long go out at once, behind what was gathered: copying them
// first would cost more than the call saved.
constexpr std::size_t directLength = 128;

// Teardown notes in a row: a line's notes are copied out in one piece.
constexpr std::size_t notesPerBlock = 64;

const char* noteBlock() {
    static const auto block = [] {
        std::array<char, notesPerBlock * teardownNote.size()> notes;
        for (std::size_t note = 0; note < notesPerBlock; ++note)
            std::memcpy(notes.data() + note * teardownNote.size(), teardownNote.data(),
                        teardownNote.size());
        return notes;
    }();
    return block.data();
}

void writeGathered() {
    if (gatheredLength > 0) std::fwrite(gathered, 1, gatheredLength, stdout);
    gatheredLength = 0;
}

void gather(std::string_view text) {
    if (text.size() >= directLength || gatheredLength + text.size() > sizeof gathered) {
        writeGathered();
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
        const std::size_t length = notes * teardownNote.size();
        if (gatheredLength + length > sizeof gathered) writeGathered();
        std::memcpy(gathered + gatheredLength, noteBlock(), length);
        gatheredLength += length;
        pending -= notes;
    }
}

} // namespace

void settleDiagnosticsOutput() {
    discarded = standardOutputIsDiscarded();
}

// Names are short: the name is copied as it is read, without measuring it
// first, into room kept for the longest the scanner takes.
void writeDiagnosticLine(std::string_view message, const char* name) {
    if (discarded) return;
    if (detail::pendingTeardownNotes > 0) writePendingNotes();
    constexpr std::size_t lineEndLength = 2;
    if (message.size() + nameCapacity + lineEndLength > sizeof gathered - gatheredLength)
        writeGathered();
    if (message.size() >= directLength) {
        gather(message);
    } else {
        std::memcpy(gathered + gatheredLength, message.data(), message.size());
        gatheredLength += message.size();
    }
    const std::size_t nameRoom = sizeof gathered - lineEndLength - gatheredLength;
    std::size_t copied = 0;
    for (; copied < nameRoom && name[copied] != '\0'; ++copied)
        gathered[gatheredLength + copied] = name[copied];
    gatheredLength += copied;
    if (name[copied] != '\0') {
        gather(name + copied);
        gather("\r\n");
        return;
    }
    std::memcpy(gathered + gatheredLength, "\r\n", lineEndLength); // the room was kept
    gatheredLength += lineEndLength;
}

void flushDiagnostics() {
    if (discarded) {
        detail::pendingTeardownNotes = 0;
        return;
    }
    writePendingNotes();
    writeGathered();
}

} // namespace quorin
