#include "engine_test_support.h"
#include "operators.h"

#include <cmath>
#include <random>

namespace quorin {
namespace {

using reductionTest = engineTest;

struct reductionCase {
    const char* line;
    const char* reduced;
};

void expectReductions(std::initializer_list<reductionCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(reducedText(c.line), c.reduced) << "for " << c.line;
}

TEST_F(reductionTest, numberOutsideFoldsIntoTheRightOperand) {
    expectReductions({
        // number left in the inner operator
        {"2+(3+x)", "5+x"},
        {"2-(3+x)", "(-1)-(x)"},
        {"2+(3-x)", "(5)-(x)"},
        {"2-(3-x)", "-1+x"},
        {"2*(3*x)", "(6)*(x)"},
        {"2/(4*x)", "(0.5)/(x)"},
        {"2^(3*x)", "(8)^(x)"},
        {"2*(3/x)", "(6)/(x)"},
        {"2/(4/x)", "(0.5)*(x)"},
        // number right in the inner operator
        {"2+(x+3)", "5+x"},
        {"2-(x+3)", "(-1)-(x)"},
        {"2+(x-3)", "-1+x"},
        {"2-(x-3)", "(5)-(x)"},
        {"2*(x*3)", "(6)*(x)"},
        {"2/(x*4)", "(0.5)/(x)"},
        {"2^(x*3)", "(8)^(x)"},
        {"2*(x/4)", "(0.5)*(x)"},
        {"2/(x/4)", "(8)/(x)"},
        {"8^(x/3)", "(2)^(x)"},
        // no rule
        {"2^(y+1)", "(2)^(y+1)"},
        {"2*(x*y)", "(2)*(x)*(y)"},
        {"2*(x^3)", "(2)*(x)^(3)"},
        {"2-(x*3)", "(2)-(x)*(3)"},
    });
}

TEST_F(reductionTest, numberOutsideFoldsIntoTheLeftOperand) {
    expectReductions({
        // number left in the inner operator
        {"(3+x)+2", "5+x"},
        {"(3+x)-2", "1+x"},
        {"(3-x)+2", "(5)-(x)"},
        {"(3-x)-2", "(1)-(x)"},
        {"(3*x)*2", "(6)*(x)"},
        {"(3*x)/2", "(1.5)*(x)"},
        {"(3/x)*2", "(6)/(x)"},
        {"(3/x)/2", "(1.5)/(x)"},
        {"(2^x)^3", "(8)^(x)"},
        // number right in the inner operator
        {"(x+3)+2", "5+x"},
        {"(x+3)-2", "1+x"},
        {"(x-3)+2", "-1+x"},
        {"(x-3)-2", "-5+x"},
        {"(x*3)*2", "(6)*(x)"},
        {"(x*3)/2", "(1.5)*(x)"},
        {"(x/4)*2", "(0.5)*(x)"},
        {"(x/4)/2", "(0.125)*(x)"},
        {"(x^2)^3", "(x)^(6)"},
        // no rule
        {"(x^2)+1", "(x)^(2)+1"},
        {"(x*2)-1", "(x)*(2)-(1)"},
        {"(x*y)*2", "(x)*(y)*(2)"},
    });
}

TEST_F(reductionTest, computesWhatItCanAndTreatsZeroSpecially) {
    expectReductions({
        {"2+3*4", "14"},    {"1+2*3", "7"},     {"2^3^2", "64"},    {"8/2/2", "2"},
        {"1/0", "inf"},     {"0/0", "0"},       {"0^0", "0"},       {"0^(0-1)", "0"},
        {"0*y", "0"},       {"0/y", "0"},       {"0^y", "0"},       {"y*0", "0"},
        {"y^0", "1"},       {"y+0", "y"},       {"y-0", "y"},       {"y/0", "(y)/(0)"},
        {"0+y", "y"},       {"0+3", "3"},       {"0-y", "(0)-(y)"}, {"x*y", "(x)*(y)"},
        {"2*x", "(2)*(x)"}, {"x+1+1+1", "3+x"}, {"(0-1)*0", "-0"},
    });
}

TEST_F(reductionTest, reductionSharesWhatDidNotChange) {
    const knobRef tree = parsed("y+0");
    const knob* y = static_cast<const opKnob&>(*tree).getLeft();
    const knobRef reduced(tree->reduce(nullptr));
    EXPECT_EQ(reduced.get(), y);
    EXPECT_EQ(y->refCount, 2);

    const knobRef number = parsed("5.5");
    const knobRef same(number->reduce(nullptr));
    EXPECT_EQ(same.get(), number.get());
    EXPECT_EQ(number->refCount, 2);
}

// Squares of whole numbers skip pow; the runtime's pow must agree, on every
// platform the engine is built for.
TEST(powerTest, squaresOfWholeNumbersAreWhatPowGives) {
    std::mt19937 random(7);
    std::vector<double> bases = {0, -0.0, 1, -1, 2, 3, 155, 999, 67108863, 67108864, -67108864};
    for (int i = 0; i < 100000; ++i)
        bases.push_back(static_cast<double>(random() % 67108865));
    for (const double base : bases) {
        for (const double signedBase : {base, -base})
            EXPECT_EQ(findOperator('^')->combine(signedBase, 2), std::pow(signedBase, 2.0))
                << "for " << signedBase;
    }
}

} // namespace
} // namespace quorin
