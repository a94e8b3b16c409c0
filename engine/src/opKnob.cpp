#include "diagnostics.h"
#include "knob.h"
#include "lineBudget.h"
#include "textWriter.h"

#include <cmath>

namespace quorin {

namespace {

// A right operand of the same precedence is grouped on the right: (a)-((b)-(c))
// must not read back as (a-b)-c. Under "+" and "*" the grouping does not matter.
bool groupsRightOperand(char op) {
    return op == '-' || op == '/' || op == '^';
}

void printOperand(const knob& operand, bool parenthesised, textWriter& out) {
    if (parenthesised) out.put('(');
    operand.print(out);
    if (parenthesised) out.put(')');
}

} // namespace

opKnob::opKnob(knob* left, knob* right, char op) : knob(op), left(left), right(right) {}

opKnob::~opKnob() {
    writeDiagnostic(teardownNote);
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

namespace {

// The square of a whole number up to 2^26 is exact, and pow, accurate to
// within a unit in the last place, returns that same exact value: the common
// square costs a multiplication instead of a call.
double power(double base, double exponent) {
    constexpr double exactSquareLimit = 67108864.0; // 2^26
    if (exponent == 2 && std::fabs(base) <= exactSquareLimit && base == std::trunc(base))
        return base * base;
    return std::pow(base, exponent);
}

} // namespace

bool opKnob::shortCutsAtZero(char op) {
    return op == '*' || op == '/' || op == '^';
}

double opKnob::combine(char op, double left, double right) {
    switch (op) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    case '/':
        return left / right;
    default:
        return power(left, right);
    }
}

evaluation opKnob::evaluate(const binding* environment) const {
    return visitTree(operatorVisit, [&] {
        const evaluation leftValue = left->evaluate(environment);
        if (leftValue.failed()) return leftValue;
        // The right operand is not looked at: even a name bound nowhere gives 0.
        if (leftValue.value == 0.0 && shortCutsAtZero(kind)) return valueOf(0.0);
        const evaluation rightValue = right->evaluate(environment);
        if (rightValue.failed()) return rightValue;
        return valueOf(combine(kind, leftValue.value, rightValue.value));
    });
}

int opKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    if (out.full()) return 0;
    visitTree(operatorVisit, [&] {
        printOperand(*left, left->precedence < precedence, out);
        out.put(kind);
        const bool groupRight = right->precedence < precedence ||
                                (right->precedence == precedence && groupsRightOperand(kind));
        printOperand(*right, groupRight, out);
        return true;
    });
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
