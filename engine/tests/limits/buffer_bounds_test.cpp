// Texts longer than the caller's buffers: a result is cut to exactly 2,047
// characters, and lines far longer than the buffers are read whole. Every
// call also checks the guard bytes behind both buffers.
#include "engine_session.h"

#include "QuorinDLL.h"

#include <string>

namespace {

class bufferBounds : public engineSession {};

constexpr std::size_t longestResult = QUORIN_RESULT_BUFFER_SIZE - 1;

std::string cutToBuffer(const std::string& text) {
    return text.substr(0, longestResult - 4) + "...]";
}

TEST_F(bufferBounds, resultThatJustFitsIsKeptWhole) {
    const std::string sum = "a" + repeated("+a", 1019);
    const std::string answer = "[ans = " + sum + "]";
    ASSERT_EQ(answer.size(), longestResult);
    expectAnswer(sum, answer);
}

TEST_F(bufferBounds, resultOneCharacterTooLongIsCut) {
    const std::string sum = "ab" + repeated("+a", 1019);
    const std::string answer = "[ans = " + sum + "]";
    ASSERT_EQ(answer.size(), longestResult + 1);
    expectAnswer(sum, cutToBuffer(answer));
}

TEST_F(bufferBounds, resultFarLongerThanTheLineIsCut) {
    // Each "*a" of the line prints as "*(a)".
    const std::string product = "a" + repeated("*a", 699);
    const guardedCall call = run(product);
    EXPECT_EQ(call.result, cutToBuffer("[ans = (a)" + repeated("*(a)", 699) + "]"));
    EXPECT_EQ(call.result.size(), longestResult);
}

TEST_F(bufferBounds, cutResultStaysBoundToAns) {
    expectError("[f = x+x]", "set root environment.");
    // 4,096 leaves y print as 8,191 characters.
    run(repeated("f[x = ", 12) + "y" + repeated("]", 12));
    expectAnswer("ans[y = 1]", "[ans = 4096]");
}

TEST_F(bufferBounds, linesLongerThanTheBuffersAreReadWhole) {
    const std::string blanks(10000, ' ');
    expectAnswer(blanks + "1" + blanks + "+" + blanks + "2" + blanks, "[ans = 3]");
    expectAnswer("1+2)" + repeated("*(9", 5000), "[ans = 3]");
    expectAnswer("(x+1)[" + repeated("a = 1, ", 1000) + "x = 2]", "[ans = 3]");
    expectError(blanks + "2 +" + blanks, "parse error at submount");
    expectError(blanks + "[q = 1]" + blanks, "parse error");
}

} // namespace
