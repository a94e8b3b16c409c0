#include "engine_test_support.h"
#include "plainArithmetic.h"
#include "plainArithmeticCheck.h"

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace quorin {
namespace {

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

// The short way must answer exactly what the general way answers, and
// decline every line the general way does not answer with a number.
TEST_F(engineTest, plainArithmeticAnswersAsTheTreeWould) {
    ::testing::internal::CaptureStdout(); // the teardown notes
    std::mt19937 random(20261207);
    int answered = 0;
    std::string mismatches;
    for (int i = 0; i < 200000; ++i) {
        const std::string line = randomLine(random);
        if (!answerPlainArithmetic(line.c_str())) continue;
        ++answered;
        const std::string difference = plainArithmeticMismatch(line);
        if (!difference.empty() && mismatches.size() < 1000)
            mismatches += "'" + line + "' " + difference + "\n";
    }
    capturedStdout();
    EXPECT_EQ(mismatches, "");
    // The generator must reach the short way often enough to mean something.
    EXPECT_GT(answered, 20000);
}

// A chain of more signs than the general way may nest is answered by the
// reader alone; the check comes back instead of throwing the general way's
// abort past its caller.
TEST_F(engineTest, plainArithmeticCheckComesBackFromALineBeyondTheDepthBound) {
    std::string line = "1";
    for (int i = 0; i < 2049; ++i)
        line += "+1";
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(plainArithmeticMismatch(line), "");
    capturedStdout();
}

// A line the reader answers writes the teardown notes of the tree it never
// built: as many "knob destructor called" lines as the general way writes
// when it parses, reduces and releases that tree.
TEST_F(engineTest, plainArithmeticWritesTheGeneralWaysTeardownNotes) {
    std::mt19937 random(4711);
    std::vector<std::string> lines = {"1", "-1", "1+2", "2^3^2", "(1-2)-(3-4)*5/6", "0*(1+2+3)"};
    while (lines.size() < 300) {
        const std::string line = randomLine(random);
        if (answerPlainArithmetic(line.c_str())) lines.push_back(line);
    }
    char result[QUORIN_RESULT_BUFFER_SIZE];
    char error[QUORIN_ERROR_BUFFER_SIZE];
    for (std::string line : lines) {
        ASSERT_TRUE(answerPlainArithmetic(line.c_str())) << line;
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(evalExpression(line.data(), result, error), 1) << line;
        const std::string readersNotes = capturedStdout();
        ::testing::internal::CaptureStdout();
        {
            startLine();
            const knobRef tree = parsed(line.c_str());
            const knobRef reduced(tree->reduce(nullptr));
        }
        EXPECT_EQ(readersNotes, capturedStdout()) << "for '" << line << "'";
    }
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
