#include "knob.h"

#include "nodeStorage.h"
#include "operators.h"

#include <new>
#include <vector>

namespace quorin {

namespace {

// Nodes whose last reference went while another teardown was running. The
// outermost release tears them down one after another, so the stack stays
// flat even for a chain a million nodes deep.
std::vector<knob*> pendingTeardown;
bool tearingDown = false;

// Numbers, names and built-ins hold no nodes: tearing one down never recurses.
bool holdsNoNodes(const knob& node) {
    return node.kind != nodeKind::application && !findOperator(node.kind);
}

// Out of line, as tearDownTree: tearDown itself, run for every node freed,
// then needs no stack frame of its own.
[[gnu::noinline]] void deferTeardown(knob* node) {
    try {
        pendingTeardown.push_back(node);
    } catch (const std::bad_alloc&) {
        delete node; // no room to queue it: tear it down on the stack instead
    }
}

// The outermost teardown: node's own, then those it queued, one after the
// other. Kept out of tearDown, which the common cases leave at once.
[[gnu::noinline]] void tearDownTree(knob* node) {
    tearingDown = true;
    delete node;
    while (!pendingTeardown.empty()) {
        knob* next = pendingTeardown.back();
        pendingTeardown.pop_back();
        delete next;
    }
    tearingDown = false;
}

} // namespace

void* knob::operator new(std::size_t size) {
    return allocateNode(size);
}

void knob::operator delete(void* storage, std::size_t size) noexcept {
    freeNode(storage, size);
}

void tearDown(knob* node) {
    if (holdsNoNodes(*node))
        delete node;
    else if (tearingDown)
        deferTeardown(node);
    else
        tearDownTree(node);
}

} // namespace quorin
