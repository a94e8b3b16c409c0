// Measuring and copying names, which are a few characters long: in line, a
// short name costs a few instructions where a library call costs tens.
#ifndef QUORIN_NAME_TEXT_H
#define QUORIN_NAME_TEXT_H

#include "engineLimits.h"

#include <cstddef>
#include <cstring>

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

// Copies name, its NUL included, to destination.
inline void copyName(char* destination, const char* name) {
    std::size_t at = 0;
    while ((destination[at] = name[at]) != '\0')
        ++at;
}

} // namespace quorin

#endif
