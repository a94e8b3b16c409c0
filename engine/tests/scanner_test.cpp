#include "engine_test_support.h"
#include "scanner.h"

#include <string>
#include <string_view>

namespace quorin {
namespace {

using scannerTest = engineTest;

TEST_F(scannerTest, numberTokenRunsOverDigitsPointsAndExponents) {
    const struct {
        const char* text;
        int consumed;
        const char* value; // as printed
    } cases[] = {
        {"12+3", 2, "12"}, {"1.5e3*2", 5, "1500"}, {"2.5E-2", 6, "0.025"}, {"1E+5", 4, "100000"},
        {"5.", 2, "5"},    {"1.2.3", 5, "1.2"},    {"1e5e5", 5, "100000"}, {"2e", 2, "2"},
        {"3abc", 1, "3"},  {"0x1F", 1, "0"},       {"007", 3, "7"},        {"1e-5-1", 4, "1e-005"},
        {"9 9", 1, "9"},
    };
    for (const auto& c : cases) {
        knob* node = nullptr;
        const char* rest = scanNumber(c.text, node);
        const knobRef number(node);
        EXPECT_EQ(rest - c.text, c.consumed) << "for " << c.text;
        EXPECT_EQ(number->kind, nodeKind::number);
        EXPECT_EQ(printed(*number), c.value) << "for " << c.text;
    }
}

// Small whole numbers share one node however they are written; others get their own.
TEST_F(scannerTest, smallWholeNumbersShareTheirNode) {
    const struct {
        const char* first;
        const char* second;
        bool shared;
    } cases[] = {
        {"2", "2", true},      {"2", "2.0", true},    {"0", "0e5", true},    {"255", "255", true},
        {"256", "256", false}, {"2.5", "2.5", false}, {"1e9", "1e9", false},
    };
    for (const auto& c : cases) {
        knob* first = nullptr;
        knob* second = nullptr;
        scanNumber(c.first, first);
        const knobRef held(first);
        scanNumber(c.second, second);
        const knobRef alsoHeld(second);
        EXPECT_EQ(first == second, c.shared) << "for " << c.first << " and " << c.second;
        EXPECT_EQ(printed(*second), printed(*first)) << "for " << c.first << " and " << c.second;
    }
}

TEST_F(scannerTest, nameIsLettersThenDigitsAfterBlanks) {
    const struct {
        const char* text;
        const char* name;
        const char* rest;
    } cases[] = {
        {"x1y", "x1", "y"},     {"abc123def", "abc123", "def"},
        {"  12ab", "12", "ab"}, {"= 1", "", "= 1"},
        {"\tx", "", "\tx"},     {"sin[", "sin", "["},
        {"_a", "", "_a"},       {"\xE9t\xE9", "", "\xE9t\xE9"},
        {"Ab9 c", "Ab9", " c"},
    };
    for (const auto& c : cases) {
        std::string_view name;
        const char* rest = scanName(c.text, name);
        EXPECT_EQ(name, c.name) << "for " << c.text;
        EXPECT_STREQ(rest, c.rest) << "for " << c.text;
    }
}

TEST_F(scannerTest, namesOfAHundredCharactersAreRefused) {
    std::string_view name;
    const std::string longest(nameCapacity - 1, 'q');
    EXPECT_STREQ(scanName(longest.c_str(), name), "");
    EXPECT_EQ(name, longest);

    const std::string tooLong = std::string(nameCapacity - 2, 'q') + "12";
    EXPECT_EQ(parseFailure(tooLong.c_str()), parseError);
    EXPECT_EQ(parseFailure(("f[" + tooLong + " = 1]").c_str()), parseError);
    EXPECT_EQ(parseFailure(std::string(100000, 'a').c_str()), parseError);
}

TEST_F(scannerTest, variableIsLookedUpByDefault) {
    knob* node = nullptr;
    EXPECT_STREQ(parseVar("abc12+1", node), "+1");
    const knobRef name(node);
    const auto& variable = static_cast<const varKnob&>(*name);
    EXPECT_EQ(variable.kind, nodeKind::name);
    EXPECT_EQ(variable.precedence, 0);
    EXPECT_EQ(variable.lookupMark, 0);
    EXPECT_EQ(printed(variable), "abc12");
}

} // namespace
} // namespace quorin
