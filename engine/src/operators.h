// The five operators and every fact about each, in one table: the grammar,
// printing, evaluation, reduction and the plain-arithmetic reader all read
// them here.
#ifndef QUORIN_OPERATORS_H
#define QUORIN_OPERATORS_H

#include "portableMath.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace quorin {

// What an operand of 0 makes of an operator node, before any arithmetic.
enum class zeroRule : std::uint8_t {
    none,       // nothing: the operator computes as usual
    givesZero,  // the number 0
    givesOne,   // the number 1
    givesOther, // the other operand as it is
};

struct operatorFacts {
    char sign;
    // Print precedence and folding rank in one: the grammar folds the
    // operators of a level in decreasing precedence, "^" first and "+" last,
    // and every node that is no operator prints at precedence 0.
    std::int32_t precedence;
    // Whether a right operand of the same precedence is parenthesised:
    // (a)-((b)-(c)) must not read back as (a-b)-c. Under "+" and "*" the
    // grouping does not matter.
    bool groupsRightOperand;
    // A left operand of 0. givesZero holds for evaluation too, which then
    // never looks at the right operand, so even a name bound nowhere gives 0.
    zeroRule leftZero;
    // A right operand of 0 under a left operand that has no value.
    zeroRule rightZero;
    // Two values combined, without the zero rules.
    double (*combine)(double left, double right);
};

// The square of a whole number up to 2^26 is exact, and pow, accurate to
// within a unit in the last place, returns that same exact value: the common
// square costs a multiplication instead of a call.
inline double power(double base, double exponent) {
    constexpr double exactSquareLimit = 67108864.0; // 2^26
    if (exponent == 2 && std::fabs(base) <= exactSquareLimit && base == std::trunc(base))
        return base * base;
    return portableMath::pow(base, exponent);
}

// In order of precedence.
inline constexpr operatorFacts operators[] = {
    {'+', 0, false, zeroRule::givesOther, zeroRule::givesOther,
     [](double left, double right) { return left + right; }},
    {'-', 1, true, zeroRule::none, zeroRule::givesOther,
     [](double left, double right) { return left - right; }},
    {'*', 2, false, zeroRule::givesZero, zeroRule::givesZero,
     [](double left, double right) { return left * right; }},
    {'/', 3, true, zeroRule::givesZero, zeroRule::none,
     [](double left, double right) { return left / right; }},
    {'^', 4, true, zeroRule::givesZero, zeroRule::givesOne, power},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(operators); ++i)
            if (operators[i].precedence != static_cast<std::int32_t>(i)) return false;
        return true;
    }(),
    "the table is in order of precedence");

namespace detail {
inline constexpr auto operatorIndex = [] {
    std::array<std::int8_t, 256> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < std::size(operators); ++i)
        index[static_cast<unsigned char>(operators[i].sign)] = static_cast<std::int8_t>(i);
    return index;
}();
} // namespace detail

// The print precedence of a node of each kind: its operator's, or 0 for a
// kind that is no operator. A table, so that a node's constructor settles it
// in one load, or at compile time for a kind known there.
inline constexpr auto precedenceByKind = [] {
    std::array<std::int8_t, 256> precedence{};
    for (const operatorFacts& op : operators)
        precedence[static_cast<unsigned char>(op.sign)] = static_cast<std::int8_t>(op.precedence);
    return precedence;
}();

// The facts of the operator whose sign is character; null for any other character.
inline const operatorFacts* findOperator(char character) {
    const int index = detail::operatorIndex[static_cast<unsigned char>(character)];
    return index < 0 ? nullptr : &operators[index];
}

// The facts of sign, which must be an operator's: no test for any other.
inline const operatorFacts& factsOf(char sign) {
    return operators[detail::operatorIndex[static_cast<unsigned char>(sign)]];
}

// What an operator node over two values evaluates to: the zero short cut,
// then the arithmetic.
inline double evaluated(const operatorFacts& op, double left, double right) {
    return left == 0.0 && op.leftZero == zeroRule::givesZero ? 0.0 : op.combine(left, right);
}

} // namespace quorin

#endif
