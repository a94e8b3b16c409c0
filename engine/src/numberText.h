// Numbers as text, both ways: the "%lg" form the user reads, produced the same
// on every platform, and the reading of a number token.
#ifndef QUORIN_NUMBER_TEXT_H
#define QUORIN_NUMBER_TEXT_H

#include <cstddef>

namespace quorin {

// Room for the longest text formatNumber writes ("-1.23457e-308") and its NUL.
inline constexpr std::size_t numberTextCapacity = 32;

// Writes value with 6 significant digits, trailing zeros dropped, exponent form
// outside 1e-4 to 1e6 with at least three exponent digits ("1e+006"); "inf",
// "-inf" and "nan" for the special values, NUL-terminated at text, which has
// room for numberTextCapacity characters. Returns the length.
std::size_t formatNumber(double value, char* text);

// The value of the longest decimal constant at the start of [first, last)
// (digits, optional fraction, optional exponent), nearest double; beyond the
// range of double it is an infinity, below it zero. first must be a digit.
double readNumber(const char* first, const char* last);

} // namespace quorin

#endif
