// One bracket level of a line, folded into a tree as its items are read.
//
// level -> item { sign item }, folded in decreasing precedence: "^" first,
// then "/", "*", "-", "+", each from left to right. A sign folds the signs
// before it on its level while they bind at least as tightly; until then it
// waits with its left operand, so at most one of each precedence waits.
//
// A level that does not alternate between operands and operator signs is
// refused once it is read to its end: with 6 when items would be left over,
// with 7 when a sign lacks an operand. Which of the two depends only on the
// order of the items' classes (foldingShape), so its items are let go as they
// come and only their classes are kept.
#ifndef QUORIN_TERM_LEVEL_H
#define QUORIN_TERM_LEVEL_H

#include "binding.h"
#include "errors.h"
#include "knob.h"
#include "operators.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace quorin {

// What an item of a level is, as far as folding cares.
enum class itemClass : std::uint8_t {
    operand,      // a number, name, group or application of one of them
    operatorSign, // one of the five signs
    appliedSign,  // an application of a sign: a sign that no longer folds
};

// The classes of a level's items, in order, reduced to what decides its error.
class foldingShape {
  public:
    // Starts as a level of count items that alternates so far, ending in last.
    void start(std::size_t count, itemClass last);

    void add(itemClass item);
    // The last item becomes an application of itself.
    void applyLast();
    errorCode error();

  private:
    void checkLastPair();

    // Set by start: a level that alternates never needs them.
    std::size_t count;
    itemClass previous;
    itemClass last;
    bool signLacksOperand;
};

class termLevel {
  public:
    termLevel() = default;
    ~termLevel() {
        if (operand || waitingCount > 0) releaseHeld();
    }
    termLevel(const termLevel&) = delete;
    termLevel& operator=(const termLevel&) = delete;

    bool empty() const { return read == progress::nothing; }

    // Adopts node, also when the level fails.
    void addOperand(knob* node) {
        if (read != progress::operatorSign && read != progress::nothing) {
            addOutOfTurn(itemClass::operand, node);
            return;
        }
        operand = node;
        read = progress::operand;
    }

    // Makes the operator node of sign. A "-" that opens the level reads as "0 -".
    void addSign(char sign) {
        if (read != progress::operand) {
            addSignOutOfTurn(sign);
            return;
        }
        const std::int8_t precedence = precedenceByKind[static_cast<unsigned char>(sign)];
        while (waitingCount > 0 && waiting[waitingCount - 1]->precedence >= precedence)
            foldWaiting();
        waiting[waitingCount] = new opKnob(operand, nullptr, sign);
        ++waitingCount;
        operand = nullptr;
        read = progress::operatorSign;
    }

    // Applies the item read last to arguments, which it takes over from
    // their holder; the level must not be empty.
    void applyLast(heldList& arguments) {
        if (read != progress::operand) {
            applyOutOfTurn();
            return;
        }
        operand = new callKnob(operand, arguments.get());
        arguments.handOver();
    }

    // The level's tree; throws 6 or 7 for a level that does not alternate.
    // The level must not be empty.
    knob* fold();

    bool rootEnvironmentForm = false;

  private:
    enum class progress : std::uint8_t { nothing, operand, operatorSign, outOfTurn };

    void foldWaiting() {
        opKnob* sign = waiting[--waitingCount];
        sign->setRight(operand);
        operand = sign;
    }
    void addSignOutOfTurn(char sign);
    void leaveTurn();
    void applyOutOfTurn();
    // Lets node go: only its class counts now.
    void addOutOfTurn(itemClass item, knob* node);
    void releaseHeld();

    progress read = progress::nothing;
    // The operand read last, while no sign follows it.
    knob* operand = nullptr;
    // Signs that wait for their right operand, in increasing precedence, each
    // holding its left one.
    opKnob* waiting[std::size(operators)];
    std::size_t waitingCount = 0;
    // Once an item came out of turn: the classes of the level's items.
    foldingShape shape;
};

} // namespace quorin

#endif
