#include "treePrinter.h"

#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "numberText.h"
#include "operators.h"
#include "textWriter.h"

#include <cstring>

namespace quorin {

namespace {

// The recursion keeps its place in registers rather than in a writer: each
// step takes the position at which it writes and the end of the room (where
// the NUL goes), and returns the position after its text, or null once the
// room has run out. Then every step above returns at once, so printing a
// huge shared tree ends with the room.

char* put(char character, char* at, char* end) {
    if (at == end) return nullptr;
    *at = character;
    return at + 1;
}

char* printName(const char* name, char* at, char* end) {
    for (; *name != '\0'; ++name) {
        if (at == end) return nullptr;
        *at++ = *name;
    }
    return at;
}

// Near the end of the room the text is formatted aside and cut to what fits.
[[gnu::noinline]] char* printNumberAside(double value, char* at, char* end) {
    char text[numberTextCapacity];
    const std::size_t length = formatNumber(value, text);
    const auto room = static_cast<std::size_t>(end - at);
    std::memcpy(at, text, std::min(length, room));
    return length <= room ? at + length : nullptr;
}

char* printNumber(double value, char* at, char* end) {
    if (static_cast<std::size_t>(end - at) >= numberTextCapacity - 1)
        return at + formatNumber(value, at);
    return printNumberAside(value, at, end);
}

// A kind that prints itself, through a writer lent the room, at the depth
// the recursion has reached: the depth bound holds across its own visits.
[[gnu::noinline]] char* printOtherKind(const knob& node, char* at, char* end, int depth) {
    textWriter out(at, static_cast<std::size_t>(end - at) + 1);
    const int outerDepth = currentLine.treeDepth;
    currentLine.treeDepth = depth;
    node.print(out);
    currentLine.treeDepth = outerDepth;
    return out.full() ? nullptr : at + out.length();
}

char* printOperator(const opKnob& node, char* at, char* end, int depth);

// Numbers, names and operators without a virtual call. In line: only
// operators recurse.
[[gnu::always_inline]] inline char* printOperand(const knob& operand, char* at, char* end,
                                                 int depth) {
    switch (operand.kind) {
    case nodeKind::number:
        return printNumber(static_cast<const numKnob&>(operand).value, at, end);
    case nodeKind::name:
    case nodeKind::groupedName:
        return printName(static_cast<const varKnob&>(operand).name(), at, end);
    default:
        if (findOperator(operand.kind))
            return printOperator(static_cast<const opKnob&>(operand), at, end, depth);
        return printOtherKind(operand, at, end, depth);
    }
}

[[gnu::always_inline]] inline char* printGrouped(const knob& operand, bool parenthesised, char* at,
                                                 char* end, int depth) {
    if (!parenthesised) return printOperand(operand, at, end, depth);
    if (!(at = put('(', at, end))) return nullptr;
    if (!(at = printOperand(operand, at, end, depth))) return nullptr;
    return put(')', at, end);
}

// Uncharged: every visit writes a character or, once the room has run out,
// returns at once. The depth is counted here rather than in the line's
// state, with the bound descend sets there.
char* printOperator(const opKnob& node, char* at, char* end, int depth) {
    if (depth >= maxTreeDepth) throw lineAbort{};
    const knob& left = *node.getLeft();
    const knob& right = *node.getRight();
    if (!(at = printGrouped(left, left.precedence < node.precedence, at, end, depth + 1)))
        return nullptr;
    if (!(at = put(node.kind, at, end))) return nullptr;
    const bool groupRight =
        right.precedence < node.precedence ||
        (right.precedence == node.precedence && findOperator(node.kind)->groupsRightOperand);
    return printGrouped(right, groupRight, at, end, depth + 1);
}

} // namespace

void printTree(const knob& node, textWriter& out) {
    out.writeThrough([&node](char* at, char* end) {
        return printOperand(node, at, end, currentLine.treeDepth);
    });
}

} // namespace quorin
