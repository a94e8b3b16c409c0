// Names are copied behind the records that hold them (name nodes, binding
// records). They are a few characters long as a rule: such a name is copied
// by a few moves instead of a library call.
#ifndef QUORIN_NAME_COPY_H
#define QUORIN_NAME_COPY_H

#include <cstddef>
#include <cstring>
#include <string_view>

namespace quorin {

// Copies name to storage, NUL-terminated.
inline void copyName(char* storage, std::string_view name) {
    const std::size_t length = name.size();
    const char* text = name.data();
    if (length > 8) {
        std::memcpy(storage, text, length);
    } else if (length >= 4) {
        // Two words that overlap in the middle when shorter than eight.
        std::memcpy(storage, text, 4);
        std::memcpy(storage + length - 4, text + length - 4, 4);
    } else if (length > 0) {
        // The first, middle and last characters: all of one to three.
        storage[0] = text[0];
        storage[length / 2] = text[length / 2];
        storage[length - 1] = text[length - 1];
    }
    storage[length] = '\0';
}

} // namespace quorin

#endif
