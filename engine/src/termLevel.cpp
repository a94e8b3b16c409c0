#include "termLevel.h"

#include <utility>

namespace quorin {

// In a level of an odd number of items, the five passes fold every operator
// sign at an even place, each taking its neighbours as they are then. A
// neighbour at an odd place is still the item read there when the first fold
// reaches it; if that item is a sign, the fold lacks its operand (7).
// Otherwise every fold succeeds, and the item out of turn at an even place
// stays beside what they made (6). A level of an even number of items, or of
// a sign alone, always leaves a sign without an operand.
void foldingShape::start(std::size_t itemCount, itemClass lastItem) {
    count = itemCount;
    previous = itemClass::operand;
    last = lastItem;
    signLacksOperand = false;
}

void foldingShape::add(itemClass item) {
    if (count >= 2) checkLastPair();
    previous = last;
    last = item;
    ++count;
}

void foldingShape::applyLast() {
    if (last == itemClass::operatorSign) last = itemClass::appliedSign;
}

// The last two items, once neither can change any more.
void foldingShape::checkLastPair() {
    const bool previousAtOddPlace = count % 2 == 0;
    const itemClass atOddPlace = previousAtOddPlace ? previous : last;
    const itemClass atEvenPlace = previousAtOddPlace ? last : previous;
    if (atOddPlace != itemClass::operand && atEvenPlace == itemClass::operatorSign)
        signLacksOperand = true;
}

errorCode foldingShape::error() {
    if (count >= 2) checkLastPair();
    if (count % 2 == 0 || count == 1 || signLacksOperand) return parseErrorAtSubmount;
    return parseErrorAtMount;
}

void termLevel::addSignOutOfTurn(char sign) {
    if (read == progress::nothing && sign == '-') {
        addOperand(new numKnob(0.0));
        addSign(sign);
        return;
    }
    // Made and let go as every sign's node is.
    addOutOfTurn(itemClass::operatorSign, new opKnob(nullptr, nullptr, sign));
}

// An application of a sign, or of any item of a level that does not
// alternate: only its class counts, and its holder lets the arguments go.
void termLevel::applyOutOfTurn() {
    if (read == progress::operatorSign) leaveTurn();
    shape.applyLast();
}

knob* termLevel::fold() {
    if (read != progress::operand)
        raiseError(read == progress::operatorSign ? parseErrorAtSubmount : shape.error());
    while (waitingCount > 0)
        foldWaiting();
    return std::exchange(operand, nullptr);
}

// The items so far alternate, ending as read says; from here on only their
// classes count. Beyond its first item, only the parity of their count
// matters, so one operand, or an operand and a sign, stands for them.
void termLevel::leaveTurn() {
    if (read == progress::nothing)
        shape.start(0, itemClass::operand);
    else if (read == progress::operand)
        shape.start(1, itemClass::operand);
    else
        shape.start(2, itemClass::operatorSign);
    releaseHeld();
    read = progress::outOfTurn;
}

void termLevel::addOutOfTurn(itemClass item, knob* node) {
    if (read != progress::outOfTurn) leaveTurn();
    release(node);
    shape.add(item);
}

void termLevel::releaseHeld() {
    if (operand) release(std::exchange(operand, nullptr));
    while (waitingCount > 0)
        release(waiting[--waitingCount]);
}

} // namespace quorin
