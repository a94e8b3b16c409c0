#include "plainArithmetic.h"

#include "operators.h"
#include "scanner.h"

namespace quorin {

namespace {

// Longer or deeper lines take the general way.
constexpr int maxStack = 64;
constexpr int maxDepth = 16;

// Reads a line as parseTerms does and folds it as mount does, as it goes.
// Folding every "^" from the left, then every "/", and so on down to "+"
// builds the tree that operator precedence builds with all operators
// grouping to the left: a sign folds what stands before it on its level
// while that binds at least as tightly. Values and signs wait on two stacks
// shared by all levels.
class plainReader {
  public:
    explicit plainReader(const char* line) : position(line) {}

    // Reads a level up to the end of the text or its ")" and leaves its value
    // on the stack; false when the line is declined.
    bool readLevel(int depth) {
        const int valueBase = valueCount;
        const int signBase = signCount;
        bool expectsOperand = true;
        for (;;) {
            const char character = *position;
            if (isDigit(character)) {
                double number;
                position = readNumberToken(position, number);
                if (!expectsOperand || !push(number)) return false;
                expectsOperand = false;
            } else if (const operatorFacts* op = findOperator(character)) {
                // A "-" that opens the level reads as "0 -"; no other sign may
                // stand where an operand belongs.
                if (expectsOperand && (character != '-' || valueCount != valueBase || !push(0.0)))
                    return false;
                while (signCount > signBase && signs[signCount - 1]->precedence >= op->precedence)
                    foldLastSign();
                if (signCount == maxStack) return false;
                signs[signCount++] = op;
                ++signsRead;
                ++position;
                expectsOperand = true;
            } else if (isBlank(character)) {
                ++position;
            } else if (character == '(') {
                if (!expectsOperand || depth == maxDepth) return false;
                ++position;
                if (!readLevel(depth + 1)) return false;
                expectsOperand = false;
            } else if (character == ')' || character == '\0') {
                if (character == ')') ++position; // at the top too: the rest is ignored
                break;
            } else {
                return false;
            }
        }
        if (expectsOperand) return false; // empty, or ending in a sign
        // The level's last fold makes its root; the line's root is the root of
        // the last level that had a sign.
        if (signCount > signBase) {
            while (signCount > signBase + 1)
                foldLastSign();
            lastFold = signs[signBase];
            lastLeft = values[valueCount - 2];
            lastRight = values[valueCount - 1];
            foldLastSign();
        }
        return true;
    }

    // The line's value: reduction answers 0 + X with X itself, not the sum,
    // and the two differ for X = -0.
    double value() const {
        return lastFold && lastFold->leftZero == zeroRule::givesOther && lastLeft == 0 ? lastRight
                                                                                       : values[0];
    }

    int signsRead = 0;

  private:
    bool push(double value) {
        if (valueCount == maxStack) return false;
        values[valueCount++] = value;
        return true;
    }

    void foldLastSign() {
        const operatorFacts& op = *signs[--signCount];
        const double right = values[--valueCount];
        values[valueCount - 1] = evaluated(op, values[valueCount - 1], right);
    }

    const char* position;
    double values[maxStack];
    const operatorFacts* signs[maxStack];
    int valueCount = 0;
    int signCount = 0;
    const operatorFacts* lastFold = nullptr;
    double lastLeft = 0;
    double lastRight = 0;
};

} // namespace

std::optional<plainAnswer> answerPlainArithmetic(const char* line) {
    plainReader reader(line);
    if (!reader.readLevel(0)) return std::nullopt;
    return plainAnswer{reader.value(), reader.signsRead};
}

} // namespace quorin
