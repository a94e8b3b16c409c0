#include "engine_test_support.h"

namespace quorin {
namespace {

class applicationTest : public engineTest {
  protected:
    void define(const char* line) { ASSERT_EQ(parseExpr(line), nullptr) << "for " << line; }
};

TEST_F(applicationTest, namedFunctionIsAppliedToItsArgumentsOnly) {
    define("[f = x^2, y = 3]");
    EXPECT_EQ(reducedText("f[x = 3]"), "9");
    EXPECT_EQ(reducedText("f[x = y]"), "(y)^(2)");
    EXPECT_EQ(reducedText("g[x = 1]"), "g");
    EXPECT_EQ(reducedText("g[g = 5]"), "5");
    EXPECT_EQ(reducedText("(f)[f = 2]"), "2");
    EXPECT_EQ(reducedText("(x+1)[x = 2]"), "3");
    EXPECT_EQ(reducedText("f[]"), "(x)^(2)");
    define("[g = f[x = z]]");
    EXPECT_EQ(reducedText("g[z = 3]"), "9");
}

// Arguments that reduce to themselves and arguments that change, in every
// place of the list; the call node's own arguments stay as written.
TEST_F(applicationTest, argumentsAreReducedInTheCallersEnvironment) {
    define("[f = a*x+b, g = f[a = 2, x = y, b = 1]]");
    for (const char* line :
         {"f[a = 2, x = 3, b = 1]", "f[a = (c)[c = 2], x = 3, b = 1]",
          "f[a = 2, x = (y)[y = 3], b = 1]", "f[a = 2, x = 3, b = (y)[y = 1]]", "g[y = 3]"})
        EXPECT_EQ(reducedText(line), "7") << line;
    const knobRef call = parsed("f[a = 2, x = z, b = 1]");
    EXPECT_EQ(printed(*knobRef(call->reduce(nullptr))), "(2)*(z)+1");
    EXPECT_EQ(printed(*call), "f[a = 2 ,x = z ,b = 1]");
}

TEST_F(applicationTest, selfApplicationStopsAtTheNestingLimit) {
    define("[f = f[x = x]]");
    EXPECT_EQ(reducedText("f[x = 1]"), "f[x = x]");
    EXPECT_EQ(currentLine.nestDepth, 0);

    const knobRef call = parsed("f[x = 1]");
    EXPECT_EQ(call->evaluate(nullptr).failure, nestOverflow);
    EXPECT_EQ(currentLine.nestDepth, 0);
}

TEST_F(applicationTest, failedTrialsGiveTheirNestingLevelsBack) {
    define("[f = x^2]");
    std::string line = "f[x = a]";
    for (int count = 0; count < 250; ++count)
        line += "+1";
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(reducedText(line.c_str()), "250+(a)^(2)");
    capturedStdout();
    EXPECT_EQ(currentLine.nestDepth, 0);
}

TEST_F(applicationTest, evaluationNestsTwoHundredDeepAndReductionOneFewer) {
    define("[f = x^2]");
    const knobRef call = parsed("f[x = 3]");

    currentLine.nestDepth = maxNestedApplications - 1;
    EXPECT_EQ(call->evaluate(nullptr).value, 9);
    currentLine.nestDepth = maxNestedApplications;
    EXPECT_EQ(call->evaluate(nullptr).failure, nestOverflow);
    EXPECT_EQ(currentLine.nestDepth, maxNestedApplications);

    currentLine.nestDepth = maxNestedApplications - 2;
    EXPECT_EQ(printed(*knobRef(call->reduce(nullptr))), "9");
    currentLine.nestDepth = maxNestedApplications - 1;
    const knobRef unapplied(call->reduce(nullptr));
    EXPECT_EQ(unapplied.get(), call.get());
    EXPECT_EQ(currentLine.nestDepth, maxNestedApplications - 1);
}

TEST_F(applicationTest, builtinComputesOrStaysSymbolic) {
    initialize();
    const struct {
        const char* line;
        const char* reduced;
    } cases[] = {
        {"sin[x = 0]", "0"},
        {"sqrt[x = 2]", "1.41421"},
        {"log[x = 100]", "2"},
        {"ln[x = 1]", "0"},
        {"exp[x = 1]", "2.71828"},
        {"abs[x = 0-3]", "3"},
        {"delta[x = 0]", "1"},
        {"delta[x = 0.5]", "0"},
        {"step[x = 0]", "1"},
        {"step[x = 0-1]", "0"},
        {"sin[y = 1, x = 2]", "0.909297"},
        {"sin[y = 1]", "sin[x = x]"},
        {"sin[x = a]", "(sin[x = x])[x = a]"},
        {"sin[x = PI]", "(sin[x = x])[x = PI]"},
        {"sqrt[x = 0-1]", "nan"},
        {"PI", "PI"},
        {"PI[]", "3.14159"},
        {"E[]", "2.71828"},
    };
    ::testing::internal::CaptureStdout();
    for (const auto& c : cases)
        EXPECT_EQ(reducedText(c.line), c.reduced) << "for " << c.line;
    capturedStdout();
    const knobRef sine(lookup(rootEnvironment, "sin")->addRef());
    EXPECT_EQ(sine->evaluate(nullptr).failure, argumentLoss);
}

TEST_F(applicationTest, rootEnvironmentStartsWithFifteenDefinitions) {
    initialize();
    const char* expected[] = {"step", "delta", "ln",  "log", "exp", "sqrt", "abs", "atan",
                              "acos", "asin",  "tan", "cos", "sin", "E",    "PI"};
    const binding* record = rootEnvironment;
    for (const char* name : expected) {
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->name(), name);
        record = record->next;
    }
    EXPECT_EQ(record, nullptr);
}

} // namespace
} // namespace quorin
