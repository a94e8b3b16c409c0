#include "engineTestSupport.h"
#include "plainArithmetic.h"

#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace quorin {
namespace {

int operatorNodes(const knob& node) {
    const auto* op = dynamic_cast<const opKnob*>(&node);
    return op ? 1 + operatorNodes(*op->getLeft()) + operatorNodes(*op->getRight()) : 0;
}

bool sameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

// Lines of numbers, signs, parentheses and blanks, mostly well formed, often
// not: zeros (for the short cuts and -0), unbalanced parentheses, doubled
// signs, odd number tokens.
std::string randomLine(std::mt19937& random) {
    static const char* const numbers[] = {"0",    "1",     "2",     "3",  "10",  "0.5",  "1e3",
                                          "2e-1", "1.2.3", "1e400", "7.", "0.0", "1e+2", "4e"};
    static const char* const pieces[] = {"+", "-", "*", "/", "^", "(", ")", " ", "x", "["};
    std::string line;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) {
        const unsigned roll = random() % 20;
        if (roll < 8)
            line += numbers[random() % std::size(numbers)];
        else if (roll < 18)
            line += pieces[random() % 7];
        else
            line += pieces[random() % std::size(pieces)];
    }
    return line;
}

// How the general way answers a line the short way answered; empty when alike.
std::string mismatch(const std::string& line, const plainAnswer& plain) {
    knobRef tree;
    try {
        tree = parsed(line.c_str());
    } catch (errorCode code) {
        return "fails with " + std::to_string(code);
    }
    if (!tree) return "is a root-environment line";
    const knobRef reduced(tree->reduce(nullptr));
    if (reduced->kind != nodeKind::number) return "reduces to " + printed(*reduced);
    const double value = static_cast<const numKnob&>(*reduced).value;
    if (!sameNumber(plain.value, value))
        return "gives " + std::to_string(value) + ", not " + std::to_string(plain.value);
    if (plain.signCount != operatorNodes(*tree))
        return "has " + std::to_string(operatorNodes(*tree)) + " operator nodes";
    return "";
}

// The short way must answer exactly what the general way answers, and
// decline every line the general way does not answer with a number.
TEST_F(engineTest, plainArithmeticAnswersAsTheTreeWould) {
    ::testing::internal::CaptureStdout(); // the teardown notes
    std::mt19937 random(20261207);
    int answered = 0;
    std::string mismatches;
    for (int i = 0; i < 200000; ++i) {
        const std::string line = randomLine(random);
        const auto plain = answerPlainArithmetic(line.c_str());
        if (!plain) continue;
        ++answered;
        const std::string difference = mismatch(line, *plain);
        if (!difference.empty() && mismatches.size() < 1000)
            mismatches += "'" + line + "' " + difference + "\n";
    }
    capturedStdout();
    EXPECT_EQ(mismatches, "");
    // The generator must reach the short way often enough to mean something.
    EXPECT_GT(answered, 20000);
}

TEST_F(engineTest, plainArithmeticDeclinesWhatItDoesNotKnow) {
    for (const char* line : {"", "  ", "x+1", "f[x = 1]", "[a = 1]", "2*-3", "1 2", "()", "(", "2+",
                             "1,2", "1\t+2", "--3", "2(3)"}) {
        EXPECT_FALSE(answerPlainArithmetic(line)) << "for '" << line << "'";
    }
    const auto negativeZero = answerPlainArithmetic("0+(0-1)*0");
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(negativeZero->value));
}

} // namespace
} // namespace quorin
