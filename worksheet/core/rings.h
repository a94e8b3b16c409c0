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

// By a comparison: a remainder would cost a division by a constant, a
// multiplication and more, for every text shown.
constexpr int nextSlot(int slot) {
    return slot == ringSlots - 1 ? 0 : slot + 1;
}
constexpr int previousSlot(int slot) {
    return slot == 0 ? ringSlots - 1 : slot - 1;
}

// The length of text once cut at its first NUL and to longestLine
// characters; reads no further.
std::size_t cutLength(std::string_view text);

// The length of the text in a slot that another hand wrote, cut to
// longestLine characters: the slot's last byte is made its end first.
std::size_t lengthInSlot(char* slot);

// Copies the first length characters of text into slot (length from
// cutLength), costing the text's length, not the slot's. The text may lie
// in a slot of the same ring, this one included.
void copyIntoSlot(char* slot, const char* text, std::size_t length);

} // namespace worksheet

#endif
