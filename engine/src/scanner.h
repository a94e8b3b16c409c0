// The lowest layer of the parser: character classes, and the two tokens that
// carry text of their own, numbers and names, read straight out of the line.
#ifndef QUORIN_SCANNER_H
#define QUORIN_SCANNER_H

#include "engineLimits.h"
#include "errors.h"
#include "numberText.h"
#include "operators.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorin {

class knob;

// Only the space is a blank; tabs and line ends are not.
constexpr bool isBlank(char character) {
    return character == ' ';
}
constexpr bool isDigit(char character) {
    return character >= '0' && character <= '9';
}
// ASCII letters only, whatever the locale.
constexpr bool isLetter(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

// What the grammar does at a character, found by one lookup.
enum class characterClass : std::uint8_t {
    other, // outside the grammar
    end,   // the NUL
    blank,
    digit,
    letter,
    sign, // one of the five operators
    openGroup,
    closeGroup,
    separator, // "," or "]": ends a level without being consumed
    openList,  // "["
};

namespace detail {
inline constexpr auto characterClasses = [] {
    std::array<characterClass, 256> classes{};
    for (int character = 0; character < 256; ++character) {
        const char c = static_cast<char>(character);
        if (isDigit(c))
            classes[character] = characterClass::digit;
        else if (isLetter(c))
            classes[character] = characterClass::letter;
    }
    classes['\0'] = characterClass::end;
    classes[' '] = characterClass::blank;
    for (const operatorFacts& op : operators)
        classes[static_cast<unsigned char>(op.sign)] = characterClass::sign;
    classes['('] = characterClass::openGroup;
    classes[')'] = characterClass::closeGroup;
    classes[','] = characterClass::separator;
    classes[']'] = characterClass::separator;
    classes['['] = characterClass::openList;
    return classes;
}();
} // namespace detail

inline characterClass classOf(char character) {
    return detail::characterClasses[static_cast<unsigned char>(character)];
}

// name -> { letter } { digit }
// The name that starts at position (possibly empty); a name of nameCapacity
// characters or more is refused with code 4.
[[gnu::always_inline]] inline std::string_view nameAt(const char* position) {
    const char* end = position;
    while (classOf(*end) == characterClass::letter)
        ++end;
    while (classOf(*end) == characterClass::digit)
        ++end;
    const auto length = static_cast<std::size_t>(end - position);
    if (length >= nameCapacity) raiseError(parseError);
    return {position, length};
}

// number -> digit { digit | "." | ("E" | "e") ["+" | "-"] }
// At a digit: the position after the whole token.
const char* numberTokenEnd(const char* position);

// At a digit: the run of digits there, and its value as a whole number
// (wrapping harmlessly when too long to be used).
struct digitRun {
    const char* end;
    std::uint64_t whole;
};

inline digitRun readDigits(const char* position) {
    std::uint64_t whole = static_cast<unsigned char>(*position) - std::uint64_t{'0'};
    for (++position;; ++position) {
        const std::uint64_t digit = static_cast<unsigned char>(*position) - std::uint64_t{'0'};
        if (digit > 9) break;
        whole = whole * 10 + digit;
    }
    return {position, whole};
}

// Whether the token starting at start is the run alone, short enough for
// its whole value to be exact: the usual token.
inline bool isExactWholeToken(const char* start, digitRun run) {
    constexpr std::ptrdiff_t exactDigits = 15;
    const char next = *run.end;
    return next != '.' && next != 'E' && next != 'e' && run.end - start <= exactDigits;
}

// At a digit: stores the token's value in value and returns the position
// after the token. Whole numbers of a few digits, the usual tokens, are exact
// and read on the way; any other token takes the full decimal reading.
// Whatever follows the longest well-formed prefix (a second point or
// exponent) is part of the token but adds nothing to the value.
inline const char* readNumberToken(const char* position, double& value) {
    const digitRun run = readDigits(position);
    if (isExactWholeToken(position, run)) {
        value = static_cast<double>(run.whole);
        return run.end;
    }
    const char* end = numberTokenEnd(run.end);
    value = readNumber(position, end);
    return end;
}

// At a digit: stores a new numKnob in node and returns the position after the token.
const char* scanNumber(const char* position, knob*& node);

// A name after blanks: stores it as it stands in the text and returns the
// position after it.
inline const char* scanName(const char* position, std::string_view& name) {
    while (isBlank(*position))
        ++position;
    name = nameAt(position);
    return position + name.size();
}

// At a letter: stores a new varKnob for the name in node and returns the
// position after the name.
const char* parseVar(const char* position, knob*& node);

} // namespace quorin

#endif
