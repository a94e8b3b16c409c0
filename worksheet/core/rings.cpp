// How a text enters a ring slot.
#include "rings.h"

#include <algorithm>
#include <cstring>

namespace worksheet {

std::size_t cutLength(std::string_view text) {
    const std::string_view kept = text.substr(0, longestLine);
    return std::min(kept.find('\0'), kept.size());
}

std::size_t lengthInSlot(const char* slot) {
    const void* end = std::memchr(slot, '\0', longestLine);
    return end ? static_cast<std::size_t>(static_cast<const char*>(end) - slot) : longestLine;
}

void copyIntoSlot(char* slot, const char* text, std::size_t length) {
    // memmove keeps a text from another slot, or this one, defined.
    std::memmove(slot, text, length);
    slot[length] = '\0';
}

} // namespace worksheet
