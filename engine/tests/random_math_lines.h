// Random lines of the built-in functions and of '^', for holding the answers
// of every platform to one sheet.
#ifndef QUORIN_RANDOM_MATH_LINES_H
#define QUORIN_RANDOM_MATH_LINES_H

#include <cstddef>
#include <string>
#include <vector>

namespace quorin {

// The first count lines of one fixed sequence: each built-in applied to its
// argument x, or a power a^b, over numbers from 1e-300 to 1e300 of either
// sign. The same text on every platform.
std::vector<std::string> randomMathLines(std::size_t count);

} // namespace quorin

#endif
