// Lines built to exhaust the stack, the heap or the clock. Each must end in
// an answer or an error (CTest's timeout catches a hang), and the engine must
// answer a plain line afterwards.
#include "engine_session.h"

#include "QuorinDLL.h"

#include <random>
#include <string>
#include <vector>

namespace {

class hostileLines : public engineSession {
  protected:
    // Lines whose honest answer costs more work than one line may take:
    // either that answer or the abort of the line.
    void expectAnswerOrOverflow(const std::string& line, const std::string& answer) {
        guardedCall call = run(line);
        if (call.returned == 1) {
            EXPECT_EQ(call.result, answer) << "line: " << describe(line);
        } else {
            EXPECT_EQ(call.error, "nest overflow") << "line: " << describe(line);
        }
    }
};

struct deepNesting {
    std::string opening;
    std::string innermost;
    std::string closing;
};

TEST_F(hostileLines, nestingDeeperThanTheParserAllowsIsAParseError) {
    const std::vector<deepNesting> nestings = {
        {"(", "1", ")"},      {"(", "1", ""},      {"(-", "1", ")"},
        {"f[x = ", "1", "]"}, {"[a = ", "1", "]"}, {"(f[x = ", "1", "])"},
    };
    for (const deepNesting& nesting : nestings) {
        constexpr int depth = 100000;
        expectError(repeated(nesting.opening, depth) + nesting.innermost +
                        repeated(nesting.closing, depth),
                    "parse error");
        expectEngineStillWorks();
    }
}

TEST_F(hostileLines, aNameOfAHundredThousandLettersIsAParseError) {
    expectError(std::string(100000, 'x'), "parse error");
    expectError("[" + std::string(100000, 'x') + " = 1]", "parse error");
    expectEngineStillWorks();
}

TEST_F(hostileLines, aMillionTermChainOverAnUnboundName) {
    expectAnswerOrOverflow("a" + repeated("+1", 1000000), "[ans = 1e+006+a]");
    expectEngineStillWorks();
}

TEST_F(hostileLines, aHundredThousandChainedApplications) {
    // The innermost 199 applications are made; printing the rest stops at
    // the buffer's end.
    expectAnswerOrOverflow("f[]" + repeated("[]", 100000),
                           "[ans = " + std::string(2036, '(') + "...]");
    expectEngineStillWorks();
}

TEST_F(hostileLines, rootEnvironmentOfTwoHundredThousandBindingsIsTornDown) {
    for (int i = 0; i < 200000; ++i) {
        guardedCall call = callEngine("[a = 1]");
        ASSERT_EQ(call.fault, "");
        ASSERT_EQ(call.error, "set root environment.");
    }
    // The built-ins now sit at the far end of the list.
    expectAnswer("PI[]", "[ans = 3.14159]");
    finalize();
    finalize();
    initialize();
    expectEngineStillWorks();
}

TEST_F(hostileLines, doublingSharedTreePrintsWithinTheBufferAndEvaluationIsCut) {
    constexpr int depth = 250;
    expectError("[f = x+x]", "set root environment.");
    // 2^250 leaves y, shared: the text is cut where the buffer ends.
    expectAnswerOrOverflow(repeated("f[x = ", depth) + "y" + repeated("]", depth),
                           "[ans = " + repeated("y+", 1018) + "...]");
    expectAnswerOrOverflow("ans[y = 1]", "[ans = 1.80925e+075]");
    expectEngineStillWorks();
}

TEST_F(hostileLines, definitionApplyingItselfTwiceIsCut) {
    expectError("[f = f[] + f[]]", "set root environment.");
    expectError("f[]", "nest overflow");
    expectEngineStillWorks();
}

TEST_F(hostileLines, definitionApplyingItselfStopsAtTheApplicationLimit) {
    expectError("[f = f[x = x]+1]", "set root environment.");
    // 199 applications are made before the innermost one is left unapplied.
    expectAnswerOrOverflow("f[x = 1]", "[ans = 199+f[x = x]]");
    expectEngineStillWorks();
}

TEST_F(hostileLines, aMegabyteOfRandomBytes) {
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string line(1 << 20, ' ');
    for (char& c : line)
        c = static_cast<char>(byte(generator));
    expectAnswerOrError(line);
    expectEngineStillWorks();
}

TEST_F(hostileLines, aMegabyteOfRandomTokens) {
    const std::vector<std::string> tokens = {"(", ")", "[", "]", "+",     "-", "*", "/",   "^",
                                             "=", ",", " ", "1", "2.5e3", "x", "f", "ans", "sin"};
    std::mt19937 generator(7);
    std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
    std::string line;
    while (line.size() < (1u << 20))
        line += tokens[pick(generator)];
    expectAnswerOrError(line);
    expectEngineStillWorks();
}

// The counterpart: heavy lines that still fit the worksheet's 2,047
// characters are not built to explode, so they get their answers.
TEST_F(hostileLines, heaviestLinesOfTheWorksheetsLengthAreAnswered) {
    expectAnswer(repeated("(", 1023) + "1" + repeated(")", 1023), "[ans = 1]");
    expectAnswer("a" + repeated("+1", 1023), "[ans = 1023+a]");
    expectAnswer(repeated("(", 511) + "a" + repeated("+1)", 511), "[ans = 511+a]");
    expectError("[f = x+1]", "set root environment.");
    expectAnswer(repeated("f[x = ", 292) + "1" + repeated("]", 292), "[ans = 293]");
}

} // namespace
