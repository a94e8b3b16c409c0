// The lowest layer of the parser: character classes, and the two tokens that
// carry text of their own, numbers and names, read straight out of the line.
#ifndef QUORIN_SCANNER_H
#define QUORIN_SCANNER_H

#include "engineLimits.h"

namespace quorin {

class knob;

// Only the space is a blank; tabs and line ends are not.
inline bool isBlank(char character) { return character == ' '; }
inline bool isDigit(char character) { return character >= '0' && character <= '9'; }
// ASCII letters only, whatever the locale.
inline bool isLetter(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

// number -> digit { digit | "." | ("E" | "e") ["+" | "-"] }
// At a digit: the position after the whole token.
const char* numberTokenEnd(const char* position);

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
