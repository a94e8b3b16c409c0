// Whole lines through the three exported functions only: what the worksheet sees.
#include "QuorinDLL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct lineStep {
    std::string line;
    bool succeeds;
    std::string text; // the result on success, else the error message
};

struct scenario {
    const char* name;
    std::vector<lineStep> steps;
};

void PrintTo(const scenario& value, std::ostream* out) {
    *out << value.name;
}

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int index = 0; index < count; ++index)
        text += piece;
    return text;
}

std::string nested(const std::string& open, const std::string& inner, const std::string& close,
                   int depth) {
    return repeated(open, depth) + inner + repeated(close, depth);
}

std::string cut(const std::string& text) {
    return text.substr(0, 2043) + "...]";
}

constexpr char resultFill = '\xA5';
constexpr char errorFill = '\x5A';

// Runs one line with both buffers filled, and checks that only the buffer the
// outcome names was written, and only up to its terminating NUL.
void expectLine(const lineStep& step) {
    std::vector<char> result(QUORIN_RESULT_BUFFER_SIZE, resultFill);
    std::vector<char> error(QUORIN_ERROR_BUFFER_SIZE, errorFill);
    std::string line = step.line;
    const int outcome = evalExpression(line.data(), result.data(), error.data());
    const std::string shown = line.size() > 60 ? line.substr(0, 60) + "..." : line;

    ASSERT_EQ(outcome, step.succeeds ? 1 : 0) << "for " << shown;
    std::vector<char>& written = step.succeeds ? result : error;
    const std::vector<char>& untouched = step.succeeds ? error : result;
    const char fill = step.succeeds ? errorFill : resultFill;
    const char writtenFill = step.succeeds ? resultFill : errorFill;
    EXPECT_TRUE(std::all_of(untouched.begin(), untouched.end(), [&](char c) { return c == fill; }))
        << "for " << shown;

    const auto end = std::find(written.begin(), written.end(), '\0');
    ASSERT_NE(end, written.end()) << "no NUL for " << shown;
    EXPECT_EQ(std::string(written.begin(), end), step.text) << "for " << shown;
    EXPECT_TRUE(std::all_of(end + 1, written.end(), [&](char c) { return c == writtenFill; }))
        << "written past the NUL for " << shown;
}

class lineTable : public ::testing::TestWithParam<scenario> {
  protected:
    void SetUp() override { initialize(); }
    void TearDown() override { finalize(); }
};

TEST_P(lineTable, answersEachLine) {
    for (const lineStep& step : GetParam().steps)
        expectLine(step);
}

const std::string longChain = "a" + repeated("^b", 1023);

const scenario scenarios[] = {
    {"arithmetic",
     {
         {"1+2*3", true, "[ans = 7]"},
         {"2^3^2", true, "[ans = 64]"},
         {"-2^2", true, "[ans = -4]"},
         {"-2+3", true, "[ans = 1]"},
         {"2*(-3)", true, "[ans = -6]"},
         {"8/2/2", true, "[ans = 2]"},
         {"2*3/4", true, "[ans = 1.5]"},
         {"2/3*4", true, "[ans = 2.66667]"},
         {"7-2+1", true, "[ans = 6]"},
         {"332+971*155-(405+332)*971+155^2", true, "[ans = -540765]"},
         {"0/0", true, "[ans = 0]"},
         {"0^0", true, "[ans = 0]"},
     }},
    {"readingRules",
     {
         {"(1+2", true, "[ans = 3]"},
         {"(1+2))", true, "[ans = 3]"},
         {"1+2)*5", true, "[ans = 3]"},
         {"3, 4", true, "[ans = 3]"},
         {"7]", true, "[ans = 7]"},
         {"   42", true, "[ans = 42]"},
         {"1e+5", true, "[ans = 100000]"},
         {"1E+5", true, "[ans = 100000]"},
         {"1.2.3", true, "[ans = 1.2]"},
         {"007", true, "[ans = 7]"},
         {nested("(", "1", ")", 1000), true, "[ans = 1]"},
     }},
    {"errors",
     {
         {"", false, "parse error"},
         {"   ", false, "parse error"},
         {"x = 5", false, "parse error"},
         {"1\t+1", false, "parse error"},
         {"[x = 1", false, "parse error at parseEnv"},
         {"f[ ]", false, "parse error at parseEnv"},
         {"1 2 3", false, "parse error at mount"},
         {"2 (3+4) 5", false, "parse error at mount"},
         {"1 2", false, "parse error at submount"},
         {"2*-3", false, "parse error at submount"},
         {"+", false, "parse error at submount"},
         {"2 + +", false, "parse error at submount"},
         {"+[x = 1]", false, "parse error at submount"},
         {std::string(99, 'n'), true, "[ans = " + std::string(99, 'n') + "]"},
         {std::string(100, 'n'), false, "parse error"},
         {std::string(100000, '('), false, "parse error"},
     }},
    {"numberText",
     {
         {"1e6", true, "[ans = 1e+006]"},
         {"1234567", true, "[ans = 1.23457e+006]"},
         {"0.00001", true, "[ans = 1e-005]"},
         {"1.5e-7", true, "[ans = 1.5e-007]"},
         {"2.50", true, "[ans = 2.5]"},
         {"1/3", true, "[ans = 0.333333]"},
         {"0.1+0.2", true, "[ans = 0.3]"},
         {"1/0", true, "[ans = inf]"},
         {"0-1/0", true, "[ans = -inf]"},
         {"(0-1)*0", true, "[ans = -0]"},
         {"(0-1)^0.5", true, "[ans = nan]"},
         {"1e400", true, "[ans = inf]"},
         {"1e-400", true, "[ans = 0]"},
         {"1e+006", true, "[ans = 1e+006]"},
     }},
    {"symbolic",
     {
         {"x+1", true, "[ans = x+1]"},
         {"2*(3*x)", true, "[ans = (6)*(x)]"},
         {"10-(x+3)", true, "[ans = (7)-(x)]"},
         {"(x^2)^3", true, "[ans = (x)^(6)]"},
         {"a-(b-c)", true, "[ans = (a)-((b)-(c))]"},
         {"a+b-c", true, "[ans = a+(b)-(c)]"},
         {"a*b/c", true, "[ans = (a)*(b)/(c)]"},
         {"y/0", true, "[ans = (y)/(0)]"},
         {"PI", true, "[ans = PI]"},
         {"PI[]", true, "[ans = 3.14159]"},
         {"a" + repeated("+1", 1000), true, "[ans = 1000+a]"},
         {longChain, true, cut("[ans = (a)" + repeated("^(b)", 1023) + "]")},
     }},
    {"rootEnvironmentAndAns",
     {
         {"[a = 1, b = 2]", false, "set root environment."},
         {"a", true, "[ans = a]"},
         {"a[] + b[]", true, "[ans = 3]"},
         {"[a = 7]", false, "set root environment."},
         {"a[]", true, "[ans = 7]"},
         {"[x = 5] ", false, "parse error"},
         {"x[]", true, "[ans = x]"},
         {"ans[x = 4]", true, "[ans = 4]"},
         {"2 +", false, "parse error at submount"},
         {"ans[] * 2", true, "[ans = 8]"},
         {"[ans = 5]", false, "set root environment."},
         {"ans[] + 1", true, "[ans = 6]"},
         {"ans[]", true, "[ans = 6]"},
     }},
    {"applications",
     {
         {"[f = x^2]", false, "set root environment."},
         {"f[x = 3]", true, "[ans = 9]"},
         {"f[x = a]" + repeated("+1", 250), true, "[ans = 250+(a)^(2)]"},
         {"g[x = 1]", true, "[ans = g]"},
         {"g[g = 5]", true, "[ans = 5]"},
         {"(f)[f = 2]", true, "[ans = 2]"},
         {"(x+1)[x = 2]", true, "[ans = 3]"},
         {"ans[x = 2]", true, "[ans = 3]"},
         {"[g = f[x = y]]", false, "set root environment."},
         {"g[y = 3]", true, "[ans = 9]"},
         {"f[]", true, "[ans = (x)^(2)]"},
         {"[h = h[x = x]]", false, "set root environment."},
         {"h[x = 1]", true, "[ans = h[x = x]]"},
         {"[k = k[]]", false, "set root environment."},
         {"k[]", true, "[ans = k[]]"},
         {"[m = m[a = 1, b = 2, c = 3]]", false, "set root environment."},
         {"m[]", true, "[ans = m[a = 1 ,b = 2 ,c = 3]]"},
         {"[s = s[x = x]+1]", false, "set root environment."},
         {"s[x = 1]", true, "[ans = 199+s[x = x]]"},
     }},
    {"builtins",
     {
         {"sin[x = 0]", true, "[ans = 0]"},
         {"cos[x = 0]", true, "[ans = 1]"},
         {"tan[x = 0]", true, "[ans = 0]"},
         {"asin[x = 1]", true, "[ans = 1.5708]"},
         {"acos[x = 1]", true, "[ans = 0]"},
         {"atan[x = 1]", true, "[ans = 0.785398]"},
         {"abs[x = 0-2]", true, "[ans = 2]"},
         {"sqrt[x = 2]", true, "[ans = 1.41421]"},
         {"exp[x = 0]", true, "[ans = 1]"},
         {"log[x = 100]", true, "[ans = 2]"},
         {"ln[x = 1]", true, "[ans = 0]"},
         {"delta[x = 0]", true, "[ans = 1]"},
         {"step[x = 0-1]", true, "[ans = 0]"},
         {"sqrt[x = 0-1]", true, "[ans = nan]"},
         {"sin[y = 1]", true, "[ans = sin[x = x]]"},
         {"sin[x = a]", true, "[ans = (sin[x = x])[x = a]]"},
         {"sin[x = PI]", true, "[ans = (sin[x = x])[x = PI]]"},
         {"[sin = 5]", false, "set root environment."},
         {"sin[x = 0]", true, "[ans = 5]"},
     }},
    {"boundsEndTheLineOnly",
     {
         {"[f = f[] + f[]]", false, "set root environment."},
         {"f[]", false, "nest overflow"},
         {"sin[x = f[]]", false, "nest overflow"},
         {"1+1", true, "[ans = 2]"},
         {"[d = x+x]", false, "set root environment."},
         {nested("d[x = ", "y", "]", 250), true, cut("[ans = " + repeated("y+", 1100) + "]")},
         {"ans[y = 1]", false, "nest overflow"},
         {"ans[y = a]", false, "nest overflow"},
         {"2+2", true, "[ans = 4]"},
     }},
};

INSTANTIATE_TEST_SUITE_P(scenarios, lineTable, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(lineLifecycle, linesWorkBeforeInitializeAndAfterRepeatedCalls) {
    finalize();
    expectLine({"1+1", true, "[ans = 2]"});
    expectLine({"sin[x = 0]", true, "[ans = sin]"});
    finalize();
    finalize();
    initialize();
    initialize();
    expectLine({"sin[x = 0]", true, "[ans = 0]"});
    expectLine({"ans[] + 1", true, "[ans = 1]"});
    finalize();
    expectLine({"ans[]", true, "[ans = ans]"});
    finalize();
}

} // namespace
