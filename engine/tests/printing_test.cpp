#include "engine_test_support.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace quorin {
namespace {

using printingTest = engineTest;

TEST_F(printingTest, operandsAreParenthesisedByPrecedence) {
    const struct {
        const char* line;
        const char* text;
    } cases[] = {
        {"x+1", "x+1"},
        {"x-1", "(x)-(1)"},
        {"2*x", "(2)*(x)"},
        {"x^2", "(x)^(2)"},
        {"(a+b)*c", "(a+b)*(c)"},
        {"a*b+c", "(a)*(b)+c"},
        {"a+b*c", "a+(b)*(c)"},
        {"a+(b+c)", "a+b+c"},
        {"a*(b*c)", "(a)*(b)*(c)"},
        {"a-(b-c)", "(a)-((b)-(c))"},
        {"a/(b/c)", "(a)/((b)/(c))"},
        {"a^(b^c)", "(a)^((b)^(c))"},
        {"(a-b)-c", "(a)-(b)-(c)"},
        {"a-(b+c)", "(a)-(b+c)"},
        {"(a+b)/(c-d)", "(a+b)/((c)-(d))"},
        {"(f)[x = 1]+g[y = 2]", "(f)[x = 1]+g[y = 2]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printed(*parsed(c.line)), c.text) << "for " << c.line;
}

TEST_F(printingTest, printReturnsTheLengthOfItsText) {
    for (const char* line : {"3", "1e6", "abc12", "(a+b)*(c-d)", "f[a = 1, b = 2, c = 3]", "f[]"}) {
        char text[256];
        textWriter out(text, sizeof text);
        const int written = parsed(line)->print(out);
        EXPECT_EQ(written, static_cast<int>(std::strlen(text))) << "for " << line;
    }
}

TEST_F(printingTest, builtinsPrintTheirNameAppliedToX) {
    const char* names[] = {"sin",  "cos", "tan", "asin", "acos",  "atan", "abs",
                           "sqrt", "exp", "log", "ln",   "delta", "step"};
    for (std::int32_t index = 1; index <= builtinKnob::functionCount; ++index) {
        const knobRef function(new builtinKnob(index));
        EXPECT_STREQ(builtinKnob::functionName(index), names[index - 1]);
        EXPECT_EQ(printed(*function), std::string(names[index - 1]) + "[x = x]");
        EXPECT_EQ(function->precedence, 0);
    }
    EXPECT_EQ(printed(*knobRef(new builtinKnob(14))), "");
}

TEST_F(printingTest, writerStopsAtItsCapacityAndCanBeCut) {
    char text[8];
    textWriter out(text, sizeof text);
    out.write("[ans = ");
    EXPECT_FALSE(out.full());
    out.write("12");
    EXPECT_TRUE(out.full());
    EXPECT_STREQ(text, "[ans = ");
    out.write("3");
    EXPECT_STREQ(text, "[ans = ");
    out.cutTo(3);
    out.write("...]");
    EXPECT_STREQ(text, "[an...]");
    EXPECT_FALSE(out.full());
}

// Wherever the room ends, inside a number, a name, an application or
// between two operators, what is printed is the text's first characters and
// the writer is full exactly when some were left out.
TEST_F(printingTest, everyCapacityKeepsTheStartOfTheText) {
    ::testing::internal::CaptureStdout(); // the trees' teardown notes
    for (const char* line : {"(a+1234.5)*(bc-7)/(q^0.001)", "-x1*f[y = 2, z = 3]+sin[x = x]",
                             "1e300*abc+2e-9", "(f)[x = 123456789]*y"}) {
        const knobRef tree = parsed(line);
        const std::string whole = printed(*tree);
        for (std::size_t capacity = 1; capacity <= whole.size() + 2; ++capacity) {
            std::string text(capacity, '?');
            textWriter out(text.data(), capacity);
            const int written = tree->print(out);
            const std::size_t kept = std::min(whole.size(), capacity - 1);
            EXPECT_EQ(text.c_str(), whole.substr(0, kept)) << line << ", capacity " << capacity;
            EXPECT_EQ(written, static_cast<int>(kept)) << line << ", capacity " << capacity;
            EXPECT_EQ(out.full(), kept < whole.size()) << line << ", capacity " << capacity;
        }
    }
    capturedStdout();
}

TEST_F(printingTest, hugeSharedTreePrintsOnlyWhatFits) {
    // 2^100 leaves, but printing ends when the buffer is full.
    knob* tree = parseExpr("y");
    for (int level = 0; level < 100; ++level)
        tree = new opKnob(tree, tree->addRef(), '+');
    char text[64];
    textWriter out(text, sizeof text);
    tree->print(out);
    EXPECT_TRUE(out.full());
    std::string expected;
    while (expected.size() < sizeof text - 1)
        expected += expected.size() % 2 ? '+' : 'y';
    EXPECT_EQ(text, expected);
    ::testing::internal::CaptureStdout();
    release(tree);
    capturedStdout();
}

} // namespace
} // namespace quorin
