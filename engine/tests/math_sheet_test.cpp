// The built-ins and '^' give the same answers, to the bit, natively and as
// QuorinDLL.dll under Wine: the engine computes them with its own portable
// library instead of each C runtime's.
#include "QuorinDLL.h"
#include "random_math_lines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string answerOf(const std::string& line) {
    std::string text = line;
    std::vector<char> result(QUORIN_RESULT_BUFFER_SIZE);
    std::vector<char> error(QUORIN_ERROR_BUFFER_SIZE);
    if (evalExpression(text.data(), result.data(), error.data())) return result.data();
    return std::string("# ") + error.data();
}

class portableMathematics : public ::testing::Test {
  protected:
    void SetUp() override { initialize(); }
    void TearDown() override { finalize(); }
};

// Answers that the 32-bit Windows runtime used to get wrong: its sine and
// cosine reduce large arguments with a 66-bit pi.
TEST_F(portableMathematics, answersLikeTheCorrectlyRoundedFunctions) {
    const struct {
        const char* line;
        const char* answer;
    } cases[] = {
        {"sin[x = PI[]]", "[ans = 1.22465e-016]"},
        {"cos[x = 1e22]", "[ans = 0.523215]"},
        {"sin[x = 1e22]", "[ans = -0.852201]"},
        {"cos[x = 81^12]", "[ans = -0.998921]"},
        {"tan[x = 1e300]", "[ans = 1.42145]"},
        {"sqrt[x = 2]", "[ans = 1.41421]"},
        {"exp[x = 709]", "[ans = 8.21841e+307]"},
        {"log[x = 1e-300]", "[ans = -300]"},
        {"ln[x = 1e300]", "[ans = 690.776]"},
        {"asin[x = 1]", "[ans = 1.5708]"},
        {"acos[x = -1]", "[ans = 3.14159]"},
        {"atan[x = 1e300]", "[ans = 1.5708]"},
        {"2^0.5", "[ans = 1.41421]"},
        {"(-8)^(1/3)", "[ans = nan]"},
        {"(-2)^(-3)", "[ans = -0.125]"},
        {"10^(-300)", "[ans = 1e-300]"},
    };
    for (const auto& known : cases)
        EXPECT_EQ(answerOf(known.line), known.answer) << "for " << known.line;
}

// FNV-1a, 64 bits.
std::uint64_t hashed(std::uint64_t hash, const std::string& text) {
    for (const unsigned char c : text)
        hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

// The sheet of 100,000 random lines, each line followed by its answer, has
// this hash on every platform. When it changes, the math_lines program writes
// the lines, to be run through quorin natively and under Wine and compared.
TEST_F(portableMathematics, sheetOfRandomLinesIsTheSameEverywhere) {
    constexpr std::uint64_t expectedSheetHash = 0x0a17bc57a45ef2e2;
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const std::string& line : quorin::randomMathLines(100000))
        hash = hashed(hash, line + "\n" + answerOf(line) + "\n");
    EXPECT_EQ(hash, expectedSheetHash) << std::hex << "the sheet's hash is 0x" << hash;
}

} // namespace
