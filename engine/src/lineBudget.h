// The bounds on one line's work over trees: how deep operator and application
// nodes recurse on the stack, and how much work the line does in all.
// Passing either ends the line with a lineAbort, which only the boundary
// catches; it starts the next line afresh, so a visit left by the abort
// needs no clean-up on the way out.
#ifndef QUORIN_LINE_BUDGET_H
#define QUORIN_LINE_BUDGET_H

#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"

#include <cstdint>

namespace quorin {

inline void chargeWork(std::int64_t units) {
    currentLine.work += units;
    if (currentLine.work > maxLineWork) throw lineAbort{};
}

// Runs body one level deeper on the stack. Inlined, so that a level is one
// stack frame: the depth bound is a bound on the stack.
template <typename Body> [[gnu::always_inline]] inline auto descend(Body&& body) {
    if (currentLine.treeDepth >= maxTreeDepth) throw lineAbort{};
    ++currentLine.treeDepth;
    auto outcome = body();
    --currentLine.treeDepth;
    return outcome;
}

// Runs body as one visit of a recursive node, charged to the line's work.
template <typename Body>
[[gnu::always_inline]] inline auto visitTree(std::int64_t cost, Body&& body) {
    chargeWork(cost);
    return descend(body);
}

} // namespace quorin

#endif
