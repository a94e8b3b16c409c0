#include "knob.h"

#include "binding.h"
#include "nodeStorage.h"
#include "operators.h"

#include <array>
#include <new>

namespace quorin {

namespace {

// Numbers, names and built-ins hold no nodes: tearing one down never
// recurses. Their classes are final, so each delete is a direct call.
[[gnu::always_inline]] inline void deleteLeaf(knob* node) {
    switch (node->kind) {
    case nodeKind::number:
        delete static_cast<numKnob*>(node);
        return;
    case nodeKind::name:
    case nodeKind::groupedName:
        delete static_cast<varKnob*>(node);
        return;
    default:
        delete static_cast<builtinKnob*>(node);
        return;
    }
}

// Operators and applications, by kind: one look-up where every node torn
// down is asked.
constexpr auto nodeHolders = [] {
    std::array<bool, 256> holders{};
    for (const operatorFacts& op : operators)
        holders[static_cast<unsigned char>(op.sign)] = true;
    holders[static_cast<unsigned char>(nodeKind::application)] = true;
    return holders;
}();

bool holdsNodes(const knob& node) {
    return nodeHolders[static_cast<unsigned char>(node.kind)];
}

} // namespace

// Operators and applications whose last reference went while a teardown was
// running. The outermost teardown frees them one after another, so the stack
// stays flat even for a chain a million nodes deep. They wait in a list
// linked through the field of their first child, which is dropped as the
// node joins the list: queuing costs no memory and cannot fail.
struct teardownQueue {
    static inline knob* first = nullptr;
    static inline bool running = false;

    static knob*& link(knob* node) {
        if (node->kind == nodeKind::application) return static_cast<callKnob*>(node)->function;
        return static_cast<opKnob*>(node)->left;
    }

    // Tears down node, whose last reference went: a leaf at once, any other
    // node into the list, then its first child in the same way (a loop down
    // the left spine, not a recursion).
    static void doom(knob* node) {
        while (holdsNodes(*node)) {
            knob*& slot = link(node);
            knob* child = slot;
            slot = first;
            first = node;
            if (!child || --child->refCount != 0) return;
            node = child;
        }
        deleteLeaf(node);
    }

    // Frees the first node of the list; what it still holds is released.
    static void freeFirst() {
        knob* node = first;
        knob*& slot = link(node);
        first = slot;
        slot = nullptr;
        if (node->kind == nodeKind::application) {
            delete static_cast<callKnob*>(node);
            return;
        }
        auto* op = static_cast<opKnob*>(node);
        knob* right = op->right;
        op->right = nullptr;
        delete op;
        if (right && --right->refCount == 0) doom(right);
    }

    // The outermost teardown: node's own, then those it queued.
    [[gnu::noinline]] static void run(knob* node) {
        running = true;
        doom(node);
        while (first)
            freeFirst();
        running = false;
    }
};

void* knob::operator new(std::size_t size) {
    return allocateNode(size);
}

void knob::operator delete(void* storage, std::size_t size) noexcept {
    freeNode(storage, size);
}

void tearDown(knob* node) {
    if (!holdsNodes(*node))
        deleteLeaf(node);
    else if (teardownQueue::running)
        teardownQueue::doom(node);
    else
        teardownQueue::run(node);
}

} // namespace quorin
