// Names kept on the heap, as long as they need.
#ifndef QUORIN_HEAP_TEXT_H
#define QUORIN_HEAP_TEXT_H

namespace quorin {

// A heap copy of text; throws std::bad_alloc when there is no room.
char* copyText(const char* text);
void freeText(char* text);

} // namespace quorin

#endif
