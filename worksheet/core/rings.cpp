// How a text enters a ring slot.
#include "rings.h"

#include <algorithm>
#include <cstring>

namespace worksheet {

std::size_t cutLength(std::string_view text) {
    const std::string_view kept = text.substr(0, longestLine);
    return std::min(kept.find('\0'), kept.size());
}

std::size_t lengthInSlot(char* slot) {
    slot[longestLine] = '\0';
    return std::strlen(slot);
}

void copyIntoSlot(char* slot, const char* text, std::size_t length) {
    // memmove keeps a text from another slot, or this one, defined.
    std::memmove(slot, text, length);
    slot[length] = '\0';
}

} // namespace worksheet
