#include "nodeStorage.h"

#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORIN_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUORIN_ADDRESS_SANITIZER 1
#endif

#ifdef QUORIN_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#define QUORIN_POISON(block, size) ASAN_POISON_MEMORY_REGION(block, size)
#define QUORIN_UNPOISON(block, size) ASAN_UNPOISON_MEMORY_REGION(block, size)
#else
#define QUORIN_POISON(block, size) ((void)(block), (void)(size))
#define QUORIN_UNPOISON(block, size) ((void)(block), (void)(size))
#endif

namespace quorin {

#ifdef QUORIN_PLAIN_HEAP

// Sanitizer builds: every block straight from the heap, so that a use after
// release is caught.
void* allocateNode(std::size_t size) {
    if (void* storage = std::malloc(size)) return storage;
    throw std::bad_alloc();
}

void freeNode(void* storage, std::size_t) noexcept {
    std::free(storage);
}

#else

namespace {

constexpr std::size_t granule = 16;
constexpr std::size_t sizeClasses = 4; // blocks of up to 64 bytes are kept
// Enough for a long line; a huge one returns the rest of its blocks to the heap.
constexpr std::size_t maxKeptPerClass = 4096;

struct freeBlock {
    freeBlock* next;
};

struct freeList {
    freeBlock* first = nullptr;
    std::size_t count = 0;
};

freeList keptBlocks[sizeClasses];

std::size_t blockSize(std::size_t sizeClass) {
    return (sizeClass + 1) * granule;
}

std::size_t sizeClassOf(std::size_t size) {
    return (size + granule - 1) / granule - 1;
}

} // namespace

void* allocateNode(std::size_t size) {
    const std::size_t sizeClass = sizeClassOf(size);
    if (sizeClass < sizeClasses && keptBlocks[sizeClass].first) {
        freeList& list = keptBlocks[sizeClass];
        freeBlock* block = list.first;
        QUORIN_UNPOISON(block + 1, blockSize(sizeClass) - sizeof(freeBlock));
        list.first = block->next;
        --list.count;
        return block;
    }
    const std::size_t rounded = sizeClass < sizeClasses ? blockSize(sizeClass) : size;
    if (void* storage = std::malloc(rounded)) return storage;
    throw std::bad_alloc();
}

void freeNode(void* storage, std::size_t size) noexcept {
    const std::size_t sizeClass = sizeClassOf(size);
    if (sizeClass >= sizeClasses || keptBlocks[sizeClass].count >= maxKeptPerClass) {
        std::free(storage);
        return;
    }
    freeList& list = keptBlocks[sizeClass];
    list.first = new (storage) freeBlock{list.first};
    ++list.count;
    // Under the address sanitizer a kept block reads as freed, all but its
    // link: the leak checker follows links only through readable memory.
    QUORIN_POISON(list.first + 1, blockSize(sizeClass) - sizeof(freeBlock));
}

#endif

} // namespace quorin
