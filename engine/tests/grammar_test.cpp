#include "engine_test_support.h"

#include <string>

namespace quorin {
namespace {

using grammarTest = engineTest;

// The trees the parser builds, shown unreduced.
TEST_F(grammarTest, foldsEachOperatorLeftToRightInFixedOrder) {
    const struct {
        const char* line;
        const char* tree;
    } cases[] = {
        {"1+2*3", "1+(2)*(3)"},
        {"2^3^2", "(2)^(3)^(2)"},
        {"a+b-c", "a+(b)-(c)"},
        {"a-b+c", "(a)-(b)+c"},
        {"a*b/c", "(a)*(b)/(c)"},
        {"a/b*c", "(a)/(b)*(c)"},
        {"-2^2", "(0)-(2)^(2)"},
        {"-2*3", "(0)-(2)*(3)"},
        {"-2+3", "(0)-(2)+3"},
        {"2*(-3)", "(2)*((0)-(3))"},
        {"(a+b)*c", "(a+b)*(c)"},
        {" ( 1 + 2 ", "1+2"},
        {"(1+2))*5", "1+2"},
        {"1+2)*5", "1+2"},
        {"3, 4", "3"},
        {"7]", "7"},
        {"f[x = 1, y = g[z = 2]]", "f[x = 1 ,y = g[z = 2]]"},
        {"f[x, y = 2]", "f[y = 2]"},
        {"f[= 2]", "f[ = 2]"},
        {"f[]", "f[]"},
        {"f[x = 1][y = 2]", "(f[x = 1])[y = 2]"},
        {"(x + 1)[x = 2]", "(x+1)[x = 2]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printed(*parsed(c.line)), c.tree) << "for " << c.line;
    EXPECT_EQ(parseFailure("0x1F"), parseErrorAtMount); // 0, then the names x1 and F
}

TEST_F(grammarTest, nameAloneInParenthesesIsMarked) {
    const knobRef group = parsed("(f)");
    EXPECT_EQ(group->kind, nodeKind::groupedName);
    EXPECT_EQ(group->precedence, 0);
    const knobRef call = parsed("(f)[x = 3]");
    EXPECT_EQ(static_cast<const callKnob&>(*call).function->kind, nodeKind::groupedName);
    EXPECT_EQ(printed(*call), "(f)[x = 3]");
}

TEST_F(grammarTest, brokenLinesFailWithTheirCode) {
    const struct {
        const char* line;
        errorCode code;
    } cases[] = {
        {"", parseError},
        {"   ", parseError},
        {"x = 5", parseError},
        {"1.5 . 2", parseError},
        {"1\t+ 2", parseError},
        {"1 + 2\r\n", parseError},
        {"2 ! 3", parseError},
        {"\x80", parseError},
        {"()", parseError},
        {"f[x = ]", parseError},
        {"f[x = , y = 1]", parseError},
        {"[x = 5] ", parseError},
        {"f[y = [x = 1]]", parseError},
        {"[x = 1", parseErrorAtParseEnv},
        {"[x 1]", parseErrorAtParseEnv},
        {"[x]", parseErrorAtParseEnv},
        {"[ ]", parseErrorAtParseEnv},
        {"[,]", parseErrorAtParseEnv},
        {"f[ ]", parseErrorAtParseEnv},
        {"f[x = 1", parseErrorAtParseEnv},
        {"1 2 3", parseErrorAtMount},
        {"1 + 2 3 4", parseErrorAtMount},
        {"2 + [x = 1] 3", parseErrorAtMount},
        {"2 (3+4) 5", parseErrorAtMount},
        {"1 f[x = 2] 3", parseErrorAtMount},
        {"2 +", parseErrorAtSubmount},
        {"+ 2", parseErrorAtSubmount},
        {"2 3", parseErrorAtSubmount},
        {"-", parseErrorAtSubmount},
        {"2 * -3", parseErrorAtSubmount},
        {"2^-1", parseErrorAtSubmount},
        {"--3", parseErrorAtSubmount},
        {"2x", parseErrorAtSubmount},
        {"2(3)", parseErrorAtSubmount},
        {"+", parseErrorAtSubmount},
        {"*", parseErrorAtSubmount},
        {"2 + +", parseErrorAtSubmount},
        {"5 - -", parseErrorAtSubmount},
        {"+[x = 1]", parseErrorAtSubmount},
        {"2 + [x = 1]", parseErrorAtSubmount},
        {"(+)", parseErrorAtSubmount},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseFailure(c.line), c.code) << "for " << c.line;
}

// A level that does not alternate is read to its end, so an error inside a
// later group comes first; then a sign standing where an operand belongs
// beside an operator gives 7, an operand out of place alone 6.
TEST_F(grammarTest, brokenLevelsFailByWhereTheirItemsStand) {
    const struct {
        const char* line;
        errorCode code;
    } cases[] = {
        {"1 2 + + 3", parseErrorAtSubmount},
        {"1 + + 2 3", parseErrorAtSubmount},
        {"1 ^ 2 3 - 4", parseErrorAtSubmount},
        {"1 - [x = 1] - 2", parseErrorAtSubmount},
        {"1 + f[x = 1] [y = 2] 2", parseErrorAtSubmount},
        {"1 2 3 + 4", parseErrorAtMount},
        {"+ 1 2", parseErrorAtMount},
        {"2 + [x = 1] 3 + 4", parseErrorAtMount},
        {"(1 2 3) + (4 +", parseErrorAtMount},
        {"1 2 (3 +", parseErrorAtSubmount},
        {"f[x = 1 2 3, y = 2 +]", parseErrorAtMount},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseFailure(c.line), c.code) << "for " << c.line;
}

// Every operator sign read before the line failed is torn down, with its note.
TEST_F(grammarTest, aBrokenLineTearsDownEverySignItRead) {
    const struct {
        const char* line;
        std::size_t notes;
    } cases[] = {
        {"1 + 2 * 3 4 - 5", 3},
        {"1 + (2 * 3 4) - 5", 2},
        {"2 + + 3 - (4 ^ 5)", 4},
        {"1 - [x = 2 * 3] 4", 2},
    };
    for (const auto& c : cases) {
        ::testing::internal::CaptureStdout();
        EXPECT_NE(parseFailure(c.line), 0) << "for " << c.line;
        const std::string output = capturedStdout();
        std::size_t notes = 0;
        for (auto at = output.find(teardownNote); at != std::string::npos;
             at = output.find(teardownNote, at + 1))
            ++notes;
        EXPECT_EQ(notes, c.notes) << "for " << c.line;
    }
}

TEST_F(grammarTest, nestingBeyondTheBoundIsRefused) {
    const std::string deepest = std::string(maxParseDepth - 1, '(') + "1";
    EXPECT_EQ(printed(*parsed(deepest.c_str())), "1");
    EXPECT_EQ(parseFailure(("(" + deepest).c_str()), parseError);
    const std::string farTooDeep = std::string(100000, '(').append("1");
    EXPECT_EQ(parseFailure(farTooDeep.c_str()), parseError);
}

TEST_F(grammarTest, rootEnvironmentLineBindsInWrittenOrderAndYieldsNoTree) {
    EXPECT_EQ(parseExpr("[a = 1, b = 2, a = 3]"), nullptr);
    ASSERT_NE(rootEnvironment, nullptr);
    EXPECT_STREQ(rootEnvironment->name(), "a");
    EXPECT_STREQ(rootEnvironment->next->name(), "b");
    EXPECT_EQ(printed(*lookup(rootEnvironment, "a")), "1");

    EXPECT_EQ(parseExpr("[a = 7]"), nullptr);
    EXPECT_EQ(printed(*lookup(rootEnvironment, "a")), "7");

    EXPECT_EQ(parseExpr("[c = (1]"), nullptr); // the "]" closes the open group
    EXPECT_EQ(printed(*lookup(rootEnvironment, "c")), "1");
}

TEST_F(grammarTest, bindingsMadeBeforeAnErrorStay) {
    EXPECT_EQ(parseFailure("([x = 1]"), parseError);
    EXPECT_EQ(parseFailure("f[y = [z = 2]"), parseErrorAtParseEnv);
    EXPECT_EQ(parseFailure("[w = 3] "), parseError);
    EXPECT_NE(lookup(rootEnvironment, "x"), nullptr);
    EXPECT_NE(lookup(rootEnvironment, "z"), nullptr);
    EXPECT_EQ(lookup(rootEnvironment, "w"), nullptr);
}

TEST_F(grammarTest, emptyListBindsTheReservedNameToZero) {
    const knobRef call = parsed("f[]");
    const binding* arguments = static_cast<const callKnob&>(*call).arguments;
    EXPECT_STREQ(arguments->name(), reservedName);
    EXPECT_EQ(arguments->next, nullptr);
    EXPECT_EQ(printed(*arguments->value), "0");
}

} // namespace
} // namespace quorin
