// One owned reference to a node, released when the holder goes out of scope
// unless it was handed over: keeps every early exit (an error, an abort,
// exhausted memory) from leaking what a step has built so far.
#ifndef QUORIN_KNOB_REF_H
#define QUORIN_KNOB_REF_H

#include "knob.h"

#include <utility>

namespace quorin {

class knobRef {
  public:
    explicit knobRef(knob* node = nullptr) : node(node) {}
    knobRef(knobRef&& other) noexcept : node(std::exchange(other.node, nullptr)) {}
    knobRef& operator=(knobRef&& other) noexcept {
        std::swap(node, other.node);
        return *this;
    }
    ~knobRef() {
        if (node) release(node);
    }

    knob* get() const { return node; }
    knob* operator->() const { return node; }
    knob& operator*() const { return *node; }
    explicit operator bool() const { return node != nullptr; }

    // Gives the reference to the caller.
    knob* handOver() { return std::exchange(node, nullptr); }

  private:
    knob* node;
};

} // namespace quorin

#endif
