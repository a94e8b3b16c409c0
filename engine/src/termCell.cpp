#include "termCell.h"

#include "knob.h"
#include "nodeStorage.h"

namespace quorin {

void* termCell::operator new(std::size_t size) {
    return allocateNode(size);
}

void termCell::operator delete(void* storage, std::size_t size) noexcept {
    freeNode(storage, size);
}

termCell* appendCell(termCell* current) {
    auto* cell = new termCell;
    cell->prev = current;
    current->next = cell;
    return cell;
}

// A loop, not the recursion the list invites: a level may hold millions of items.
void destroyCells(termCell* cell) {
    if (cell->prev) cell->prev->next = nullptr;
    while (cell) {
        termCell* following = cell->next;
        if (cell->node) release(cell->node);
        delete cell;
        cell = following;
    }
}

termList::termList() : head(new termCell), current(head) {}

termList::~termList() {
    destroyCells(head);
}

void termList::dropTrailingCell() {
    if (current->node || current == head) return;
    termCell* waiting = current;
    current = waiting->prev;
    destroyCells(waiting);
}

} // namespace quorin
