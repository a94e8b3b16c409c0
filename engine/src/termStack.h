// The items of the bracket levels being read, before each level is folded
// into a tree. All levels share one stack: a level reads its items above
// those of the levels that enclose it and takes them off again when it is
// folded or fails, so reading a line allocates nothing once the stack has
// grown to the line's size.
#ifndef QUORIN_TERM_STACK_H
#define QUORIN_TERM_STACK_H

#include <cstddef>
#include <vector>

namespace quorin {

class knob;

struct termItem {
    knob* node; // one reference
    // An operator sign (or an application built on one): only such an item
    // acts as an operator, and it is never an operand.
    bool sign;
};

// One level's items, released on every way out unless folded.
class termLevel {
  public:
    termLevel();
    ~termLevel();
    termLevel(const termLevel&) = delete;
    termLevel& operator=(const termLevel&) = delete;

    // Adopts node, also when it fails for want of memory.
    void push(knob* node, bool sign = false) {
        if (items.size() == items.capacity()) {
            pushGrowing(node, sign);
            return;
        }
        items.push_back({node, sign});
    }
    bool empty() const;
    // The item read last; the level must not be empty.
    termItem& last();

    // level -> item { sign item }, folded in decreasing precedence: "^"
    // first, then "/", "*", "-", "+", each from left to right. The level must
    // not be empty. Throws 6 for items left over, 7 for a sign without its
    // operands.
    knob* fold();

    bool rootEnvironmentForm = false;

  private:
    void pushGrowing(knob* node, bool sign);

    // The items of every level being read, innermost on top.
    static std::vector<termItem> items;
    std::size_t base;
};

} // namespace quorin

#endif
