// The display and history rings: their storage and how texts enter a slot.
#include "rings.h"

#include <cstring>

namespace worksheet {

ringSlot* displayLines = nullptr;
int displayNext = 0;
ringSlot* historyLines = nullptr;
int historyNext = 0;
int historyCursor = 0;

std::size_t cutLength(const char* text) {
    // memchr stops at the first NUL, so a shorter text is never read past its end.
    const void* end = std::memchr(text, '\0', longestLine);
    return end != nullptr ? static_cast<const char*>(end) - text : longestLine;
}

void copyIntoSlot(ringSlot& slot, const char* text, std::size_t length) {
    if (text == slot) {
        return;
    }
    // The text may lie inside another slot of the same ring; memmove keeps
    // that defined too.
    std::memmove(slot, text, length);
    slot[length] = '\0';
}

void allocateRings() {
    freeRings();
    displayLines = new ringSlot[ringSlots];
    historyLines = new ringSlot[ringSlots];
    for (int slot = 0; slot < ringSlots; ++slot) {
        displayLines[slot][0] = '\0';
        historyLines[slot][0] = unwrittenMark;
    }
    displayNext = 0;
    historyNext = 0;
    historyCursor = 0;
}

void freeRings() {
    delete[] displayLines;
    delete[] historyLines;
    displayLines = nullptr;
    historyLines = nullptr;
}

} // namespace worksheet
