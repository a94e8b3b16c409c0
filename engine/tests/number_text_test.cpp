#include "numberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quorin {
namespace {

std::string textOf(double value) {
    char text[numberTextCapacity];
    const std::size_t length = formatNumber(value, text);
    EXPECT_EQ(length, std::strlen(text)) << "for " << text;
    return text;
}

double valueOf(const char* token) {
    return readNumber(token, token + std::strlen(token));
}

TEST(numberText, printsSixSignificantDigitsWithThreeExponentDigits) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {3, "3"},
        {0.5, "0.5"},
        {-2.25, "-2.25"},
        {1.0 / 3, "0.333333"},
        {0.1 + 0.2, "0.3"},
        {2.50, "2.5"},
        {123456.7, "123457"},
        {999999, "999999"},
        {999999.5, "1e+006"},
        {1000000, "1e+006"},
        {1234567, "1.23457e+006"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {1.5e-7, "1.5e-007"},
        {1e100, "1e+100"},
        {-1e-100, "-1e-100"},
        {1.7976931348623157e308, "1.79769e+308"},
        {4.9406564584124654e-324, "4.94066e-324"},
        {3.141592653589793, "3.14159"},
        {0.0, "0"},
        {-0.0, "-0"},
        {infinity, "inf"},
        {-infinity, "-inf"},
        {std::nan(""), "nan"},
        {-std::nan(""), "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textOf(c.value), c.text) << "for " << c.value;
}

TEST(numberText, readsTheLongestDecimalConstant) {
    const struct {
        const char* token;
        double value;
    } cases[] = {
        {"12", 12},
        {"007", 7},
        {"5.", 5},
        {"1.5e3", 1500},
        {"2.5E-2", 0.025},
        {"1e+5", 100000},
        {"1e-5", 0.00001},
        {"1.2.3", 1.2},
        {"1e5e5", 100000},
        {"2e", 2},
        {"2e+", 2},
        {"123456789012345678", 123456789012345678.0},
        {"0.1", 0.1},
        {"4e-320", 4e-320},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"100000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000000000000000000000000000000000000000000000000000000000000000000000000000000e0",
         std::numeric_limits<double>::infinity()},
        {"1e-400", 0},
        {"0.000000000000000000001e-310", 0},
        {"1e99999999999999999999", std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueOf(c.token), c.value) << "for " << c.token;
}

TEST(numberText, printedNumbersReadBack) {
    for (const double value : {1e6, 1.5e-7, 123457.0, 1e100}) {
        char text[numberTextCapacity];
        formatNumber(value, text);
        EXPECT_EQ(valueOf(text), value) << "for " << text;
    }
}

// The general conversion's text of value, exponent widened to three digits.
std::string generalText(double value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    std::string general(text, end);
    const std::size_t exponent = general.find('e');
    if (exponent != std::string::npos && general.size() - exponent - 2 < 3)
        general.insert(exponent + 2, 3 - (general.size() - exponent - 2), '0');
    return general;
}

// Whole numbers take a path of their own; it must agree with the general
// conversion everywhere, rounding ties to even included.
TEST(numberText, wholeNumbersPrintAsTheGeneralConversionDoes) {
    std::vector<double> values = {1,
                                  9,
                                  10,
                                  999999,
                                  1000000,
                                  1000001,
                                  9999994,
                                  9999995,
                                  9999985,
                                  9999996,
                                  1234565,
                                  1234575,
                                  2500000,
                                  123456500,
                                  123457500,
                                  9007199254740991.0,
                                  4503599627370497.0};
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random() >> (11 + random() % 50);
        values.push_back(static_cast<double>(bits));
    }
    for (std::uint64_t unit = 10; unit < 1'000'000'000'000ULL; unit *= 10)
        for (std::uint64_t kept = 100000; kept < 1000000; kept += 99991)
            values.push_back(static_cast<double>(kept * unit + unit / 2));
    for (const double value : values) {
        for (const double signedValue : {value, -value}) {
            if (signedValue == 0) continue;
            EXPECT_EQ(textOf(signedValue), generalText(signedValue))
                << "for " << std::fixed << signedValue;
        }
    }
}

// So do values that are not whole, where fixed notation has a path of its
// own: near ties, where six digits become seven, at the ends of the range.
TEST(numberText, fractionsPrintAsTheGeneralConversionDoes) {
    std::vector<double> values = {0.5,
                                  1.5,
                                  0.1,
                                  0.0001,
                                  0.00010000005,
                                  0.0000999999996,
                                  9.99999949e-5,
                                  1.2345650,
                                  1.2345650000001,
                                  1.2345649999999,
                                  0.1234565,
                                  99999.95,
                                  999999.5,
                                  999999.4999999,
                                  999999.9,
                                  123.4565,
                                  2.0000001,
                                  1.0 / 3,
                                  2.0 / 3,
                                  0.30000000000000004};
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int i = 0; i < 60000; ++i) {
        const int exponent = static_cast<int>(random() % 13) - 6;
        values.push_back(mantissa(random) * std::pow(10.0, exponent));
    }
    for (int exponent = -4; exponent < 6; ++exponent)
        for (std::uint64_t kept = 100000; kept < 1000000; kept += 9973)
            values.push_back((static_cast<double>(kept) + 0.5) * std::pow(10.0, exponent - 5));
    for (const double value : values) {
        for (const double signedValue : {value, -value})
            EXPECT_EQ(textOf(signedValue), generalText(signedValue))
                << "for " << std::scientific << std::setprecision(17) << signedValue;
    }
}

} // namespace
} // namespace quorin
