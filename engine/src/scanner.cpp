#include "scanner.h"

#include "errors.h"
#include "knob.h"

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

// The first use of a shared number makes its node.
numKnob* makeSharedNumber(int value) {
    return sharedNumbers[value] = new numKnob(value);
}

[[gnu::always_inline]] inline knob* sharedNumber(int value) {
    numKnob* node = sharedNumbers[value];
    return (node ? node : makeSharedNumber(value))->addRef();
}

knob* numberNode(double value) {
    const bool shared = value >= 0 && value < sharedNumberCount && value == static_cast<int>(value);
    return shared ? sharedNumber(static_cast<int>(value)) : new numKnob(value);
}

} // namespace

const char* scanNumber(const char* position, knob*& node) {
    const digitRun run = readDigits(position);
    if (isExactWholeToken(position, run)) {
        node = run.whole < sharedNumberCount ? sharedNumber(static_cast<int>(run.whole))
                                             : new numKnob(static_cast<double>(run.whole));
        return run.end;
    }
    const char* end = numberTokenEnd(run.end);
    node = numberNode(readNumber(position, end));
    return end;
}

const char* parseVar(const char* position, knob*& node) {
    const std::string_view name = nameAt(position);
    node = new (name) varKnob(name, 0);
    return position + name.size();
}

} // namespace quorin
