// The display and history rings behind the sheet and the recall history:
// their storage, their indices and how a text enters a slot.
#ifndef QUORIN_WORKSHEET_RINGS_H
#define QUORIN_WORKSHEET_RINGS_H

#include "worksheet.h"

#include <cstddef>

namespace worksheet {

// First byte of a history slot that was never written.
inline constexpr char unwrittenMark = 7;

using ringSlot = char[slotBytes];

// The rings exist between allocateRings and freeRings, null otherwise.
extern ringSlot* displayLines;
extern int displayNext;
extern ringSlot* historyLines;
extern int historyNext;
extern int historyCursor;

constexpr int nextSlot(int slot) {
    return (slot + 1) % ringSlots;
}
constexpr int previousSlot(int slot) {
    return (slot + ringSlots - 1) % ringSlots;
}

// The length of text once cut to longestLine characters; reads no further.
std::size_t cutLength(const char* text);

// Copies the first length characters of text into slot (length from
// cutLength), costing the text's length, not the slot's. A text that already
// is the slot stays as it is.
void copyIntoSlot(ringSlot& slot, const char* text, std::size_t length);

// Gives both rings fresh slots (display texts empty, history slots
// unwritten) and puts every index at 0; frees rings that were there.
void allocateRings();
// Frees both rings and leaves their pointers null.
void freeRings();

} // namespace worksheet

#endif
