// Slot arithmetic and copying shared by the files that touch the rings.
#ifndef QUORIN_WORKSHEET_RINGS_H
#define QUORIN_WORKSHEET_RINGS_H

#include "worksheet.h"

namespace worksheet {

// The longest text a slot holds: one byte stays for the terminating NUL.
inline constexpr int slotTextLimit = slotBytes - 1;

constexpr int nextSlot(int slot) {
    return (slot + 1) % ringSlots;
}
constexpr int previousSlot(int slot) {
    return (slot + ringSlots - 1) % ringSlots;
}

// The length of text once cut to slotTextLimit characters; reads no further.
std::size_t cutLength(const char* text);

// Copies the first length characters of text into slot (length from
// cutLength), costing the text's length, not the slot's. A text that already
// is the slot stays as it is.
void copyIntoSlot(ringSlot& slot, const char* text, std::size_t length);

// showLine and handleLine for a text whose cut length is known.
void showText(const char* text, std::size_t length);
void runLine(const char* line, std::size_t length);

// Gives both rings fresh slots (display texts empty, history slots
// unwritten) and puts every index at 0; frees rings that were there.
void allocateRings();
// Frees both rings and leaves their pointers null.
void freeRings();

} // namespace worksheet

#endif
