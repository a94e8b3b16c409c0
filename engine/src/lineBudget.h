// The bounds on one line's work over trees: how deep operator and application
// nodes recurse on the stack, and how much work the line does in all.
// Passing either ends the line with a lineAbort.
//
// A visit that ends in an exception is not left on the way out: the frames
// stay free of clean-up code, which makes a failed trial evaluation cheap to
// unwind. Whoever catches rolls the depth back instead (a trialMark, or the
// start of the next line).
#ifndef QUORIN_LINE_BUDGET_H
#define QUORIN_LINE_BUDGET_H

#include "engineLimits.h"
#include "errors.h"

#include <cstdint>

namespace quorin {

extern int treeDepth;
extern std::int64_t lineWork;
// What unwinding every visit now on the stack would cost.
extern std::int64_t unwindingCost;

// A line starts at depth 0 with its whole budget.
void startLineBudget();

inline void chargeWork(std::int64_t units) {
    lineWork += units;
    if (lineWork > maxLineWork) throw lineAbort{};
}

// Runs body as one visit of a recursive node. Inlined, so that a visit is one
// stack frame: the depth bound is a bound on the stack.
template <typename Body> [[gnu::always_inline]] inline auto visitTree(visitCost cost, Body&& body) {
    if (treeDepth >= maxTreeDepth) throw lineAbort{};
    chargeWork(cost.running);
    ++treeDepth;
    unwindingCost += cost.unwinding;
    auto outcome = body();
    unwindingCost -= cost.unwinding;
    --treeDepth;
    return outcome;
}

// Where a trial evaluation starts. When the trial fails, rollBack returns to
// that depth and pays for the failure and the visits it unwound.
class trialMark {
  public:
    trialMark() : depth(treeDepth), unwinding(unwindingCost) {}
    void rollBack() const {
        const std::int64_t unwound = unwindingCost - unwinding;
        treeDepth = depth;
        unwindingCost = unwinding;
        chargeWork(failedTrialCost + unwound);
    }

  private:
    int depth;
    std::int64_t unwinding;
};

} // namespace quorin

#endif
