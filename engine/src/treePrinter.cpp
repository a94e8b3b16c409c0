#include "treePrinter.h"

#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "numberText.h"
#include "operators.h"
#include "textWriter.h"

namespace quorin {

namespace {

void printOperator(const opKnob& node, textWriter& out, int depth);

// A kind that prints itself, at the depth the recursion has reached: the
// depth bound then holds across its own nested visits.
[[gnu::noinline]] void printOtherKind(const knob& node, textWriter& out, int depth) {
    const int outerDepth = currentLine.treeDepth;
    currentLine.treeDepth = depth;
    node.print(out);
    currentLine.treeDepth = outerDepth;
}

// Numbers, names and operators without a virtual call. In line: only
// operators recurse.
[[gnu::always_inline]] inline void printOperand(const knob& operand, textWriter& out, int depth) {
    switch (operand.kind) {
    case nodeKind::number:
        printNumber(static_cast<const numKnob&>(operand).value, out);
        return;
    case nodeKind::name:
    case nodeKind::groupedName:
        out.writeUnmeasured(static_cast<const varKnob&>(operand).name());
        return;
    default:
        if (findOperator(operand.kind))
            printOperator(static_cast<const opKnob&>(operand), out, depth);
        else
            printOtherKind(operand, out, depth);
    }
}

[[gnu::always_inline]] inline void printGrouped(const knob& operand, bool parenthesised,
                                                textWriter& out, int depth) {
    if (parenthesised) out.put('(');
    printOperand(operand, out, depth);
    if (parenthesised) out.put(')');
}

// Uncharged: every visit writes a character or, once the buffer is full,
// returns at once, so printing ends with the buffer. The depth is counted
// here rather than in the line's state, as descend counts it, with the
// same bound: the stack holds no more levels than there.
void printOperator(const opKnob& node, textWriter& out, int depth) {
    if (out.full()) return;
    if (depth >= maxTreeDepth) throw lineAbort{};
    const knob& left = *node.getLeft();
    const knob& right = *node.getRight();
    printGrouped(left, left.precedence < node.precedence, out, depth + 1);
    out.put(node.kind);
    const bool groupRight =
        right.precedence < node.precedence ||
        (right.precedence == node.precedence && findOperator(node.kind)->groupsRightOperand);
    printGrouped(right, groupRight, out, depth + 1);
}

} // namespace

void printTree(const knob& node, textWriter& out) {
    printOperand(node, out, currentLine.treeDepth);
}

} // namespace quorin
