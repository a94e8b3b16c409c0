// The lowest layer of the parser: character classes, and the two tokens that
// carry text of their own, numbers and names, read straight out of the line.
#ifndef QUORIN_SCANNER_H
#define QUORIN_SCANNER_H

#include "engineLimits.h"
#include "numberText.h"

#include <cstddef>
#include <cstdint>

namespace quorin {

class knob;

// Only the space is a blank; tabs and line ends are not.
inline bool isBlank(char character) {
    return character == ' ';
}
inline bool isDigit(char character) {
    return character >= '0' && character <= '9';
}
// ASCII letters only, whatever the locale.
inline bool isLetter(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

// number -> digit { digit | "." | ("E" | "e") ["+" | "-"] }
// At a digit: the position after the whole token.
const char* numberTokenEnd(const char* position);

// At a digit: stores the token's value in value and returns the position
// after the token. Whole numbers of a few digits, the usual tokens, are exact
// and read on the way; any other token takes the full decimal reading.
// Whatever follows the longest well-formed prefix (a second point or
// exponent) is part of the token but adds nothing to the value.
inline const char* readNumberToken(const char* position, double& value) {
    constexpr std::ptrdiff_t exactDigits = 15;
    const char* digitsEnd = position;
    std::uint64_t whole = 0; // wraps harmlessly when too long to be used
    for (; isDigit(*digitsEnd); ++digitsEnd)
        whole = whole * 10 + static_cast<std::uint64_t>(*digitsEnd - '0');
    const char next = *digitsEnd;
    if (next != '.' && next != 'E' && next != 'e' && digitsEnd - position <= exactDigits) {
        value = static_cast<double>(whole);
        return digitsEnd;
    }
    const char* end = numberTokenEnd(digitsEnd);
    value = readNumber(position, end);
    return end;
}

// At a digit: stores a new numKnob in node and returns the position after the token.
const char* scanNumber(const char* position, knob*& node);

// name -> { letter } { digit }, after blanks
// Copies the name (possibly empty) into name and returns the position after it.
// A name of nameCapacity characters or more is refused with code 4.
const char* scanName(char (&name)[nameCapacity], const char* position);

// At a letter: stores a new varKnob for the name in node and returns the
// position after the name.
const char* parseVar(const char* position, knob*& node);

} // namespace quorin

#endif
