#include "textWriter.h"

#include <algorithm>
#include <cstring>

namespace quorin {

textWriter::textWriter(char* buffer, std::size_t capacity)
    : start(buffer), position(buffer), last(buffer + capacity - 1) {
    *position = '\0';
}

void textWriter::writeCut(std::string_view text) {
    const std::size_t room = static_cast<std::size_t>(last - position);
    std::memcpy(position, text.data(), room);
    position += room;
    *position = '\0';
    overflowed = true;
}

void textWriter::cutTo(std::size_t kept) {
    position = start + std::min(kept, length());
    *position = '\0';
    overflowed = false;
}

} // namespace quorin
