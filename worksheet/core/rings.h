// How a text enters a slot of the display and history rings, and how the
// ring indices advance.
#ifndef QUORIN_WORKSHEET_RINGS_H
#define QUORIN_WORKSHEET_RINGS_H

#include "worksheet.h"

#include <cstddef>
#include <string_view>

namespace worksheet {

// First byte of a history slot that was never written.
inline constexpr char unwrittenMark = 7;

constexpr int nextSlot(int slot) {
    return (slot + 1) % ringSlots;
}
constexpr int previousSlot(int slot) {
    return (slot + ringSlots - 1) % ringSlots;
}

// The length of text once cut at its first NUL and to longestLine
// characters; reads no further.
std::size_t cutLength(std::string_view text);

// Copies the first length characters of text into slot (length from
// cutLength), costing the text's length, not the slot's. The text may lie
// in a slot of the same ring, this one included.
void copyIntoSlot(char* slot, const char* text, std::size_t length);

} // namespace worksheet

#endif
