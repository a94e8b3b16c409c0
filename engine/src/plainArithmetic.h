// Lines of nothing but numbers, the five signs, parentheses and blanks, by
// far the commonest, answered without building their tree. The value is the
// one the tree would reduce to: folded in the grammar's order with the
// operators' own rules. Any other line, a malformed one included, is declined
// and takes the general way, which answers it in full.
#ifndef QUORIN_PLAIN_ARITHMETIC_H
#define QUORIN_PLAIN_ARITHMETIC_H

#include <optional>

namespace quorin {

struct plainAnswer {
    double value;
    int signCount; // the operator nodes the line's tree would have held
};

std::optional<plainAnswer> answerPlainArithmetic(const char* line);

} // namespace quorin

#endif
