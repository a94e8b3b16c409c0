// Measuring and copying names, which are a few characters long: in line, a
// short name costs a few instructions where a library call costs tens.
#ifndef QUORIN_NAME_TEXT_H
#define QUORIN_NAME_TEXT_H

#include "engineLimits.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace quorin {

// The bytes of name, its NUL included. The loop is bounded by the longest
// name the scanner takes, which keeps the compiler from making it a strlen
// call; a longer name is measured by that call.
inline std::size_t nameSize(const char* name) {
    for (std::size_t size = 2; size <= nameCapacity; size += 2) {
        if (name[size - 2] == '\0') return size - 1;
        if (name[size - 1] == '\0') return size;
    }
    return std::strlen(name) + 1;
}

// Copies name to storage, NUL-terminated: a few moves for a short name.
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
