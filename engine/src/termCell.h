// The term list: the items of one bracket level, in the order they were read,
// before mount folds them into a tree.
#ifndef QUORIN_TERM_CELL_H
#define QUORIN_TERM_CELL_H

#include <cstddef>

namespace quorin {

class knob;

struct termCell {
    static void* operator new(std::size_t size);
    static void operator delete(void* storage, std::size_t size) noexcept;

    knob* node = nullptr; // one reference; none in the cell that waits for the next item
    termCell* prev = nullptr;
    termCell* next = nullptr;
    // The item is an operator sign (or an application built on one): only such
    // a cell acts as an operator, and it is never an operand.
    bool holdsSign = false;
};

// Adds an empty cell after current and returns it.
termCell* appendCell(termCell* current);

// Detaches cell from its predecessor, then frees it and every cell after it,
// releasing their nodes.
void destroyCells(termCell* cell);

// One level's list, destroyed on every exit.
struct termList {
    termList();
    ~termList();
    termList(const termList&) = delete;
    termList& operator=(const termList&) = delete;

    // Removes the empty cell that waits at the end, if there is one.
    void dropTrailingCell();

    termCell* head;
    termCell* current; // the empty cell the next item goes into
    bool rootEnvironmentForm = false;
};

} // namespace quorin

#endif
