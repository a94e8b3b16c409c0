#include "random_math_lines.h"

#include <array>
#include <cstdint>
#include <random>

namespace quorin {

namespace {

// std::mt19937_64's sequence is fixed by the standard; the distributions of
// <random> are not, so every choice below is made from its integers alone, one
// statement after the other (the operands of + have no fixed order), and no
// number passes through a floating-point format on its way to text.
class lineMaker {
  public:
    std::string next() {
        const std::uint64_t kind = pick(builtinNames.size() + 1);
        if (kind < builtinNames.size())
            return std::string(builtinNames[kind]) + "[x = " + number() + "]";
        const std::string base = operand(number());
        return base + "^" + operand(exponent());
    }

  private:
    static constexpr std::array<const char*, 13> builtinNames = {
        "sin",  "cos", "tan", "asin", "acos",  "atan", "abs",
        "sqrt", "exp", "log", "ln",   "delta", "step"};

    std::mt19937_64 random{20261207};

    std::uint64_t pick(std::uint64_t choices) { return random() % choices; }

    // Some from the whole range, some of the sizes a worksheet mostly sees,
    // where the functions' domains and ranges matter.
    std::string number() {
        static constexpr int decadeRanges[] = {299, 20, 3};
        const int decades = decadeRanges[pick(std::size(decadeRanges))];
        const int decade = static_cast<int>(pick(2 * decades + 1)) - decades;
        const std::string negative = sign();
        return negative + digits() + "e" + std::to_string(decade);
    }

    // Whole exponents too, which give negative bases a real power.
    std::string exponent() {
        if (pick(4) == 0) {
            const std::string negative = sign();
            return negative + std::to_string(pick(40));
        }
        return number();
    }

    std::string sign() { return pick(2) == 0 ? "-" : ""; }

    // One to seventeen significant digits, the first not zero: d.ddd
    std::string digits() {
        std::string text(1, static_cast<char>('1' + pick(9)));
        const std::uint64_t more = pick(17);
        if (more > 0) text += '.';
        for (std::uint64_t index = 0; index < more; ++index)
            text += static_cast<char>('0' + pick(10));
        return text;
    }

    // A sign right after an operator needs parentheses.
    static std::string operand(const std::string& text) {
        return text.front() == '-' ? "(" + text + ")" : text;
    }
};

} // namespace

std::vector<std::string> randomMathLines(std::size_t count) {
    lineMaker maker;
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t index = 0; index < count; ++index)
        lines.push_back(maker.next());
    return lines;
}

} // namespace quorin
