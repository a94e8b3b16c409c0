#include "heapText.h"

#include "nodeStorage.h"

#include <cstring>

namespace quorin {

// Names come and go with every application's argument list: they share the
// nodes' kept blocks.
char* copyText(const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    return static_cast<char*>(std::memcpy(allocateNode(size), text, size));
}

void freeText(char* text) {
    freeNode(text, std::strlen(text) + 1);
}

} // namespace quorin
