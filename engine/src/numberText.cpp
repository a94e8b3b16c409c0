#include "numberText.h"

#include "scanner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <system_error>

namespace quorin {

namespace {

constexpr std::size_t significantDigits = 6;
constexpr std::size_t minExponentDigits = 3;

// The conversion writes at least two exponent digits; the worksheet has always
// shown three.
std::size_t widenExponent(char* text, std::size_t length) {
    char* exponent = std::find(text, text + length, 'e');
    if (exponent == text + length) return length;
    char* digits = exponent + 2; // past the letter and its sign
    const std::size_t digitCount = static_cast<std::size_t>(text + length - digits);
    if (digitCount >= minExponentDigits) return length;
    const std::size_t padding = minExponentDigits - digitCount;
    std::memmove(digits + padding, digits, digitCount);
    std::memset(digits, '0', padding);
    return length + padding;
}

// Decimal exponent of the first significant digit of a constant whose value
// lies outside the range of double; only its sign matters.
long long orderOfMagnitude(const char* first, const char* last) {
    constexpr long long saturation = 1'000'000'000;
    long long magnitude = 0;
    bool significant = false;
    const char* position = first;
    for (; position < last && isDigit(*position); ++position) {
        if (significant)
            ++magnitude;
        else if (*position != '0')
            significant = true;
    }
    if (position < last && *position == '.') {
        for (++position; position < last && isDigit(*position); ++position) {
            if (significant) continue;
            --magnitude;
            if (*position != '0') significant = true;
        }
    }
    if (position < last && (*position == 'e' || *position == 'E')) {
        ++position;
        const bool negative = position < last && *position == '-';
        if (position < last && (*position == '-' || *position == '+')) ++position;
        long long exponent = 0;
        for (; position < last && isDigit(*position); ++position)
            exponent = std::min(saturation, exponent * 10 + (*position - '0'));
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

constexpr std::uint64_t powersOfTen[] = {1,
                                         10,
                                         100,
                                         1'000,
                                         10'000,
                                         100'000,
                                         1'000'000,
                                         10'000'000,
                                         100'000'000,
                                         1'000'000'000,
                                         10'000'000'000,
                                         100'000'000'000,
                                         1'000'000'000'000,
                                         10'000'000'000'000,
                                         100'000'000'000'000,
                                         1'000'000'000'000'000,
                                         10'000'000'000'000'000};

// How many digits n has (n below 10^16).
std::size_t digitCountOf(std::uint64_t n) {
    std::size_t count = 1;
    while (count < std::size(powersOfTen) - 1 && n >= powersOfTen[count])
        ++count;
    return count;
}

constexpr char digitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "4041424344454647484950515253545556575859606162636465666768697071727374757677787980"
    "81828384858687888990919293949596979899";
static_assert(sizeof digitPairs == 2 * 100 + 1);

// Writes the count digits of n backwards from text + count, two at a time.
void writeDigits(std::uint64_t n, std::size_t count, char* text) {
    char* digit = text + count;
    for (; digit - text >= 2; n /= 100) {
        digit -= 2;
        std::memcpy(digit, digitPairs + 2 * (n % 100), 2);
    }
    if (digit != text) *--digit = static_cast<char>('0' + n % 10);
}

// The text of a whole number of more than six digits below 2^53, which is
// exact, without the general conversion. Rounds to six digits half to even,
// as the general conversion does.
std::size_t formatLongWholeNumber(std::uint64_t magnitude, bool negative, char* text) {
    char* out = text;
    if (negative) *out++ = '-';
    const std::size_t digitCount = digitCountOf(magnitude);
    // Drops digits one by one (a division by a constant is a multiplication),
    // noting the last one dropped and whether any dropped before it.
    std::uint64_t kept = magnitude;
    std::uint64_t firstDropped = 0;
    bool droppedBelow = false;
    for (std::size_t drop = digitCount - significantDigits; drop > 0; --drop) {
        droppedBelow = droppedBelow || firstDropped != 0;
        firstDropped = kept % 10;
        kept /= 10;
    }
    if (firstDropped > 5 || (firstDropped == 5 && (droppedBelow || kept % 2 == 1))) ++kept;
    std::size_t exponent = digitCount - 1;
    std::size_t keptCount = significantDigits;
    if (kept == powersOfTen[significantDigits]) {
        kept /= 10;
        ++exponent;
    }
    for (; kept % 10 == 0; kept /= 10)
        --keptCount;
    char digits[significantDigits];
    writeDigits(kept, keptCount, digits);
    *out++ = digits[0];
    if (keptCount > 1) {
        *out++ = '.';
        std::memcpy(out, digits + 1, keptCount - 1);
        out += keptCount - 1;
    }
    *out++ = 'e';
    *out++ = '+';
    writeDigits(exponent, minExponentDigits, out); // below 100: "e+006" to "e+016"
    return static_cast<std::size_t>(out - text) + minExponentDigits;
}

// Writes the digits of n, which has no leading zero, backwards from end. In
// line: the short whole numbers are the commonest of all.
[[gnu::always_inline]] inline void writeDigitsBefore(std::uint32_t n, char* end) {
    for (; n >= 100; n /= 100) {
        end -= 2;
        std::memcpy(end, digitPairs + 2 * (n % 100), 2);
    }
    if (n >= 10)
        std::memcpy(end - 2, digitPairs + 2 * n, 2);
    else
        end[-1] = static_cast<char>('0' + n);
}

// A whole number of one to six digits, the commonest number of all: exact,
// as the conversion to a whole type is below 10^6. Returns 0 for every
// other value.
[[gnu::always_inline]] inline std::size_t formatShortWholeNumber(double value, char* text) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1 && magnitude < 1e6)) return 0;
    const auto whole = static_cast<std::uint32_t>(magnitude);
    if (whole != magnitude) return 0;
    char* out = text;
    if (value < 0) *out++ = '-';
    const std::size_t digitCount = whole < 100      ? 1 + (whole >= 10)
                                   : whole < 10'000 ? 3 + (whole >= 1'000)
                                                    : 5 + (whole >= 100'000);
    writeDigitsBefore(whole, out + digitCount);
    out[digitCount] = '\0';
    return static_cast<std::size_t>(out - text) + digitCount;
}

// Where the first significant digit of a value lies, from 10^-4 up: a
// threshold is the nearest double to its power of ten.
constexpr double fixedThresholds[] = {1e-3, 1e-2, 1e-1, 1, 1e1, 1e2, 1e3, 1e4, 1e5};
constexpr int lowestFixedExponent = -4;

// A value from 10^-4 up to 10^6 that is not whole, in fixed notation, without
// the general conversion. Scaling it to six digits before the point by an
// exact power of ten rounds once, by at most 2^-33 at that size, so its digits
// are taken only when the scaled value lies clearly off a tie between two.
// Returns 0 for every other value: the general conversion decides those.
std::size_t formatFixedNumber(double value, char* text) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e6)) return 0;
    int exponent = lowestFixedExponent +
                   static_cast<int>(std::upper_bound(std::begin(fixedThresholds),
                                                     std::end(fixedThresholds), magnitude) -
                                    std::begin(fixedThresholds));
    const double scaled =
        magnitude * static_cast<double>(powersOfTen[significantDigits - 1 - exponent]);
    const double lowest = static_cast<double>(powersOfTen[significantDigits - 1]);
    if (scaled < lowest) return 0;
    // Below 10^7 the conversion rounds toward zero, exactly: the floor.
    const auto below = static_cast<std::uint32_t>(scaled);
    const double fraction = scaled - below;
    constexpr double tieMargin = 1e-9;
    if (std::fabs(fraction - 0.5) < tieMargin) return 0;
    std::uint32_t digits = below + (fraction > 0.5 ? 1 : 0);
    if (digits == powersOfTen[significantDigits]) {
        digits /= 10;
        ++exponent;
    }
    if (digits >= powersOfTen[significantDigits] || exponent >= static_cast<int>(significantDigits))
        return 0;
    // The digits are copied in pieces of a fixed size, which need no library
    // call: the room behind them takes what a piece carries past its end.
    char significant[2 * significantDigits] = {};
    writeDigitsBefore(digits, significant + significantDigits);
    std::size_t kept = significantDigits;
    const std::size_t wholeDigits = exponent >= 0 ? static_cast<std::size_t>(exponent) + 1 : 0;
    while (kept > wholeDigits && significant[kept - 1] == '0')
        --kept;
    char* out = text;
    if (value < 0) *out++ = '-';
    if (wholeDigits == 0) {
        std::memcpy(out, "0.000", 5); // "0." and the zeros before the first digit
        out += 1 - exponent;
        std::memcpy(out, significant, significantDigits);
        return static_cast<std::size_t>(out - text) + kept;
    }
    std::memcpy(out, significant, significantDigits);
    out += wholeDigits;
    if (kept == wholeDigits) return static_cast<std::size_t>(out - text);
    *out++ = '.';
    std::memcpy(out, significant + wholeDigits, significantDigits);
    return static_cast<std::size_t>(out - text) + kept - wholeDigits;
}

// Every number but a short whole one, out of line: the short way then needs
// no stack frame.
[[gnu::noinline]] std::size_t formatOtherNumber(double value, char* text) {
    if (std::isnan(value)) {
        std::memcpy(text, "nan", 4);
        return 3;
    }
    constexpr double exactWholeLimit = 9007199254740992.0; // 2^53
    // Below 2^53 the conversion to a whole number is defined, and exact for a
    // whole value: cheaper than rounding toward zero as a floating operation.
    if (std::fabs(value) >= 1e6 && std::fabs(value) < exactWholeLimit &&
        static_cast<double>(static_cast<std::int64_t>(value)) == value) {
        const std::size_t length =
            formatLongWholeNumber(static_cast<std::uint64_t>(std::fabs(value)), value < 0, text);
        text[length] = '\0';
        return length;
    }
    if (const std::size_t length = formatFixedNumber(value, text)) {
        text[length] = '\0';
        return length;
    }
    const auto written = std::to_chars(text, text + numberTextCapacity - 1, value,
                                       std::chars_format::general, significantDigits);
    const std::size_t length = widenExponent(text, static_cast<std::size_t>(written.ptr - text));
    text[length] = '\0';
    return length;
}

} // namespace

std::size_t formatNumber(double value, char* text) {
    if (const std::size_t length = formatShortWholeNumber(value, text)) return length;
    return formatOtherNumber(value, text);
}

double readNumber(const char* first, const char* last) {
    double value = 0.0;
    const auto read = std::from_chars(first, last, value, std::chars_format::general);
    if (read.ec != std::errc::result_out_of_range) return value;
    const char* end = read.ptr;
    return orderOfMagnitude(first, end) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace quorin
