#include "scanner.h"

#include "errors.h"
#include "knob.h"

#include <cstring>

namespace quorin {

const char* numberTokenEnd(const char* position) {
    for (;;) {
        const char character = *position;
        if (isDigit(character) || character == '.') {
            ++position;
        } else if (character == 'E' || character == 'e') {
            ++position;
            if (*position == '+' || *position == '-') ++position;
        } else {
            return position;
        }
    }
}

const char* scanNumber(const char* position, knob*& node) {
    double value;
    position = readNumberToken(position, value);
    node = new numKnob(value);
    return position;
}

const char* scanName(char (&name)[nameCapacity], const char* position) {
    while (isBlank(*position))
        ++position;
    const char* start = position;
    while (isLetter(*position))
        ++position;
    while (isDigit(*position))
        ++position;
    const auto length = static_cast<std::size_t>(position - start);
    if (length >= nameCapacity) raiseError(parseError);
    std::memcpy(name, start, length);
    name[length] = '\0';
    return position;
}

const char* parseVar(const char* position, knob*& node) {
    char name[nameCapacity];
    position = scanName(name, position);
    node = new (name) varKnob(name, 0);
    return position;
}

} // namespace quorin
