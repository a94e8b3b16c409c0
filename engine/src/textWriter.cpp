#include "textWriter.h"

#include <algorithm>
#include <cstring>

namespace quorin {

textWriter::textWriter(char* buffer, std::size_t capacity)
    : start(buffer), position(buffer), last(buffer + capacity - 1) {
    *position = '\0';
}

void textWriter::write(std::string_view text) {
    if (overflowed) return;
    const std::size_t room = static_cast<std::size_t>(last - position);
    const std::size_t count = std::min(room, text.size());
    std::memcpy(position, text.data(), count);
    position += count;
    *position = '\0';
    overflowed = count < text.size();
}

void textWriter::cutTo(std::size_t kept) {
    position = start + std::min(kept, length());
    *position = '\0';
    overflowed = false;
}

} // namespace quorin
