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

namespace {

// The whole numbers below this that lines write share one node each: a
// worksheet holds its definitions' constants for as long as it runs, and a
// number node never changes. The shared nodes live until the process ends.
constexpr int sharedNumberCount = 256;
numKnob* sharedNumbers[sharedNumberCount];

knob* numberNode(double value) {
    const bool shared = value >= 0 && value < sharedNumberCount && value == static_cast<int>(value);
    if (!shared) return new numKnob(value);
    numKnob*& node = sharedNumbers[static_cast<int>(value)];
    if (!node) node = new numKnob(value);
    return node->addRef();
}

} // namespace

const char* scanNumber(const char* position, knob*& node) {
    double value;
    position = readNumberToken(position, value);
    node = numberNode(value);
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
