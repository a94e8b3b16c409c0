// The plain-arithmetic reader checked against the general way: the tree's
// reduction, and the operator nodes whose teardown the reader announces.
#ifndef QUORIN_PLAIN_ARITHMETIC_CHECK_H
#define QUORIN_PLAIN_ARITHMETIC_CHECK_H

#include <string>

namespace quorin {

class knob;

// Operator nodes in a tree.
int operatorNodes(const knob& node);

// How the reader's answer to line differs from the tree's; empty when the
// reader declines the line, when the general way passes one of its bounds
// (there is no answer to compare), or when both agree to the bit. Runs as a line of its
// own: it starts the line's state afresh.
std::string plainArithmeticMismatch(const std::string& line);

} // namespace quorin

#endif
