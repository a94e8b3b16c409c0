#include "diagnostics.h"
#include "knob.h"
#include "lineBudget.h"
#include "operators.h"
#include "textWriter.h"
#include "treePrinter.h"

namespace quorin {

opKnob::opKnob(knob* left, knob* right, char op) : knob(op), left(left), right(right) {}

opKnob::~opKnob() {
    noteTeardowns(1);
    if (left) release(left);
    if (right) release(right);
    left = right = nullptr;
}

void opKnob::setLeft(knob* operand) {
    if (left) release(left);
    left = operand;
}

void opKnob::setRight(knob* operand) {
    if (right) release(right);
    right = operand;
}

evaluation opKnob::evaluate(const binding* environment) const {
    return visitTree(operatorVisit, [&] {
        const evaluation leftValue = left->evaluate(environment);
        if (leftValue.failed()) return leftValue;
        // The right operand is not looked at: even a name bound nowhere gives 0.
        const operatorFacts& op = factsOf(kind);
        if (leftValue.value == 0.0 && op.leftZero == zeroRule::givesZero) return valueOf(0.0);
        const evaluation rightValue = evaluateOperand(*right, environment);
        if (rightValue.failed()) return rightValue;
        // Both operands gave values: twice the work of a visit that stops at
        // a failing left operand, the common one in reduction's trials.
        chargeWork(operatorVisit);
        return valueOf(op.combine(leftValue.value, rightValue.value));
    });
}

int opKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    printTree(*this, out);
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
