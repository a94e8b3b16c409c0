// Heap storage for nodes, binding records and names. Every line makes and
// drops dozens of these small blocks, so freed ones are kept, by size, for
// the next line.
#ifndef QUORIN_NODE_STORAGE_H
#define QUORIN_NODE_STORAGE_H

#include <cstddef>

namespace quorin {

// Storage for one block of size bytes; throws std::bad_alloc when there is none.
void* allocateNode(std::size_t size);
// Returns a block from allocateNode; size must be the one it was asked for.
void freeNode(void* storage, std::size_t size) noexcept;

} // namespace quorin

#endif
