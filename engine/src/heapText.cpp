#include "heapText.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace quorin {

char* copyText(const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (!copy) throw std::bad_alloc();
    return static_cast<char*>(std::memcpy(copy, text, size));
}

void freeText(char* text) {
    std::free(text);
}

} // namespace quorin
