#include "nodeStorage.h"

#include <cstdint>
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

#if defined(__linux__) && !defined(QUORIN_ADDRESS_SANITIZER)
#define QUORIN_HUGE_CHUNKS 1
#include <sys/mman.h>
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

// Blocks of 8 to 64 bytes, by multiples of 8, cut from chunks without a heap
// header each: a definition's nodes cost what they hold. Freed blocks are
// kept, by size, for the next line; chunks go back only at exit.
constexpr std::size_t granule = 8;
constexpr std::size_t sizeClasses = 8;
constexpr std::size_t chunkBytes = std::size_t{1} << 16;

struct freeBlock {
    freeBlock* next;
};

struct chunk {
    chunk* previous; // every chunk stays reachable from the last one
};

freeBlock* keptBlocks[sizeClasses];
chunk* lastChunk = nullptr;
char* unused = nullptr; // the rest of the last chunk
std::size_t unusedBytes = 0;

std::size_t blockSize(std::size_t sizeClass) {
    return (sizeClass + 1) * granule;
}

std::size_t sizeClassOf(std::size_t size) {
    return (size + granule - 1) / granule - 1;
}

struct chunkSpace {
    void* storage;
    std::size_t bytes;
};

// The first chunks come from the heap, so that a short worksheet stays small.
chunkSpace smallChunk() {
    void* storage = std::malloc(chunkBytes);
    if (!storage) throw std::bad_alloc();
    return {storage, chunkBytes};
}

#ifdef QUORIN_HUGE_CHUNKS

// Past them, a worksheet that keeps growing (thousands of definitions) gets
// chunks of one huge page each: faulting in its memory 4 KiB at a time cost
// more than building the definitions. Where the kernel gives no huge page
// the chunk is only a larger one.
constexpr std::size_t hugeChunkBytes = std::size_t{1} << 21;
constexpr std::size_t smallChunksFirst = 16;
std::size_t smallChunksMade = 0;

chunkSpace hugeChunk() {
    const std::size_t span = 2 * hugeChunkBytes; // room to align a whole huge page
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    char* const first = static_cast<char*>(mapped);
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(first);
    char* const start = first + ((hugeChunkBytes - address % hugeChunkBytes) % hugeChunkBytes);
    if (start != first) munmap(first, static_cast<std::size_t>(start - first));
    char* const end = start + hugeChunkBytes;
    if (end != first + span) munmap(end, static_cast<std::size_t>(first + span - end));
    madvise(start, hugeChunkBytes, MADV_HUGEPAGE);
    return {start, hugeChunkBytes};
}

chunkSpace newChunk() {
    if (smallChunksMade < smallChunksFirst) {
        ++smallChunksMade;
        return smallChunk();
    }
    return hugeChunk();
}

#else

chunkSpace newChunk() {
    return smallChunk();
}

#endif

void* cutBlock(std::size_t bytes) {
    if (unusedBytes < bytes) {
        const chunkSpace space = newChunk();
        lastChunk = new (space.storage) chunk{lastChunk};
        unused = static_cast<char*>(space.storage) + sizeof(chunk);
        unusedBytes = space.bytes - sizeof(chunk);
    }
    void* block = unused;
    unused += bytes;
    unusedBytes -= bytes;
    return block;
}

} // namespace

void* allocateNode(std::size_t size) {
    const std::size_t sizeClass = sizeClassOf(size);
    if (sizeClass >= sizeClasses) {
        if (void* storage = std::malloc(size)) return storage;
        throw std::bad_alloc();
    }
    if (freeBlock* block = keptBlocks[sizeClass]) {
        QUORIN_UNPOISON(block + 1, blockSize(sizeClass) - sizeof(freeBlock));
        keptBlocks[sizeClass] = block->next;
        return block;
    }
    return cutBlock(blockSize(sizeClass));
}

void freeNode(void* storage, std::size_t size) noexcept {
    const std::size_t sizeClass = sizeClassOf(size);
    if (sizeClass >= sizeClasses) {
        std::free(storage);
        return;
    }
    keptBlocks[sizeClass] = new (storage) freeBlock{keptBlocks[sizeClass]};
    // Under the address sanitizer a kept block reads as freed, all but its
    // link: the leak checker follows links only through readable memory.
    QUORIN_POISON(keptBlocks[sizeClass] + 1, blockSize(sizeClass) - sizeof(freeBlock));
}

#endif

} // namespace quorin
