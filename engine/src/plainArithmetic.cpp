#include "plainArithmetic.h"

#include "knob.h"
#include "numberText.h"
#include "scanner.h"

#include <array>
#include <cstdint>

namespace quorin {

namespace {

// Longer or deeper lines take the general way.
constexpr int maxItems = 64;
constexpr int maxDepth = 16;

bool isSign(char character) {
    return character == '+' || character == '-' || character == '*' || character == '/' ||
           character == '^';
}

// A tree's value and, when the tree is an operator node, that node's operator
// and operand values: reduction treats the root apart.
struct treeValue {
    double value;
    char rootOperator; // '\0' when the tree is a number
    double rootLeft;
    double rootRight;
};

// What evaluating an operator node over two numbers gives.
double evaluated(char op, double left, double right) {
    const bool shortCutsAtZero = op == '*' || op == '/' || op == '^';
    return shortCutsAtZero && left == 0 ? 0.0 : opKnob::combine(op, left, right);
}

// Folding order: the operator folded first binds tightest.
int bindingStrength(char sign) {
    static constexpr auto strengths = [] {
        std::array<signed char, 128> table{};
        table['-'] = 1;
        table['*'] = 2;
        table['/'] = 3;
        table['^'] = 4;
        return table;
    }();
    return strengths[static_cast<unsigned char>(sign) & 127];
}

// The items of one level, folded as they are read. Folding every "^" from the
// left, then every "/", and so on down to "+", as mount does, builds the
// tree that operator precedence builds with all operators grouping to the
// left: a sign folds what stands before it while that binds at least as
// tightly.
class level {
public:
    bool add(double number) { return add(treeValue{number, '\0', 0, 0}); }
    bool add(const treeValue& operand) {
        if (!expectsOperand() || operandsRead == maxItems) return false;
        if (operandsRead++ == 0) root = operand;
        values[valueCount++] = operand.value;
        return true;
    }
    bool addSign(char sign) {
        // A "-" that opens the level reads as "0 -"; no other sign may stand
        // where an operand belongs.
        if (expectsOperand() && (sign != '-' || operandsRead > 0 || !add(0.0))) return false;
        while (pendingCount > 0 && bindingStrength(pending[pendingCount - 1]) >= bindingStrength(sign))
            foldLastSign();
        pending[pendingCount++] = sign;
        ++signsRead;
        return true;
    }
    bool expectsOperand() const { return operandsRead == signsRead; }

    // The level's tree, whose root is the sign folded last.
    std::optional<treeValue> fold() {
        if (expectsOperand()) return std::nullopt; // empty, or ending in a sign
        while (pendingCount > 0) foldLastSign();
        return root;
    }

private:
    void foldLastSign() {
        const char op = pending[--pendingCount];
        const double right = values[--valueCount];
        const double left = values[valueCount - 1];
        root = {evaluated(op, left, right), op, left, right};
        values[valueCount - 1] = root.value;
    }

    double values[maxItems];
    char pending[maxItems];
    int valueCount = 0;
    int pendingCount = 0;
    int operandsRead = 0;
    int signsRead = 0;
    treeValue root{0, '\0', 0, 0};
};

class plainReader {
public:
    explicit plainReader(const char* line) : position(line) {}

    // A level up to the end of the text or its ")"; none when declined.
    std::optional<treeValue> readLevel(int depth) {
        level items;
        for (;;) {
            const char character = *position;
            if (character == '\0') return items.fold();
            if (character == ')') {
                ++position; // at the top too: the rest of the line is ignored
                return items.fold();
            }
            if (isBlank(character)) {
                ++position;
            } else if (isDigit(character)) {
                if (!items.add(readNumberToken())) return std::nullopt;
            } else if (isSign(character)) {
                if (!items.addSign(character)) return std::nullopt;
                ++signsRead;
                ++position;
            } else if (character == '(' && depth < maxDepth) {
                ++position;
                const auto group = readLevel(depth + 1);
                if (!group || !items.add(*group)) return std::nullopt;
            } else {
                return std::nullopt;
            }
        }
    }

    int signsRead = 0;

private:
    // Whole numbers of a few digits, the usual tokens, are read on the way;
    // others by the general reading.
    double readNumberToken() {
        constexpr std::ptrdiff_t exactDigits = 15;
        const char* start = position;
        std::uint64_t whole = 0; // wraps harmlessly when too long to be used
        while (isDigit(*position)) whole = whole * 10 + static_cast<std::uint64_t>(*position++ - '0');
        const char* end = numberTokenEnd(position);
        const bool isWhole = end == position && position - start <= exactDigits;
        position = end;
        return isWhole ? static_cast<double>(whole) : readNumber(start, end);
    }

    const char* position;
};

} // namespace

std::optional<plainAnswer> answerPlainArithmetic(const char* line) {
    plainReader reader(line);
    const auto tree = reader.readLevel(0);
    if (!tree) return std::nullopt;
    // Reducing 0 + X gives X itself, not the sum: they differ for X = -0.
    const double value =
        tree->rootOperator == '+' && tree->rootLeft == 0 ? tree->rootRight : tree->value;
    return plainAnswer{value, reader.signsRead};
}

} // namespace quorin
