#include "converter/amount_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace amounts {
namespace {

struct Decimal {
    std::string whole;    // no leading zeros but at least one digit
    std::string fraction; // at least three digits
};

// The decimal digits on which rounding is decided. Below 1e12 the
// thousandths lie within 15 significant digits, so those are used; above, a
// double has no digits that far and its exact expansion is used instead (13
// fractional digits are exact for any double of 2^39 or more).
Decimal decimalDigits(double magnitude)
{
    std::array<char, 400> buffer;
    Decimal d;
    if (magnitude >= 1e12) {
        const auto end = std::to_chars(buffer.begin(), buffer.end(), magnitude, std::chars_format::fixed, 13).ptr;
        const std::string_view text(buffer.begin(), end);
        const auto point = text.find('.');
        d.whole = text.substr(0, point);
        d.fraction = text.substr(point + 1);
        return d;
    }

    // "d.dddddddddddddde±x" to whole and fraction.
    const auto end = std::to_chars(buffer.begin(), buffer.end(), magnitude, std::chars_format::scientific, 14).ptr;
    const std::string_view text(buffer.begin(), end);
    const auto e = text.find('e');
    std::string mantissa = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    if (exponent >= 0) {
        mantissa.resize(std::max<std::size_t>(mantissa.size(), exponent + 1), '0');
        d.whole = mantissa.substr(0, exponent + 1);
        d.fraction = mantissa.substr(exponent + 1);
    } else {
        d.whole = "0";
        d.fraction = std::string(-exponent - 1, '0') + mantissa;
    }
    d.fraction.resize(std::max<std::size_t>(d.fraction.size(), 3), '0');
    return d;
}

// The digits of the value in cents, rounded with halves away from zero; at
// least three digits, the last two being the decimals.
std::string centDigits(double magnitude)
{
    const Decimal d = decimalDigits(magnitude);
    std::string cents = d.whole + d.fraction.substr(0, 2);
    if (d.fraction[2] >= '5') {
        auto digit = cents.rbegin();
        for (; digit != cents.rend() && *digit == '9'; ++digit)
            *digit = '0';
        if (digit == cents.rend())
            cents.insert(cents.begin(), '1');
        else
            ++*digit;
    }
    return cents;
}

} // namespace

std::string formatAmount(double value, Separators separators)
{
    const std::string cents = centDigits(std::fabs(value));
    const std::size_t wholeDigits = cents.size() - 2;

    std::string text;
    text.reserve(cents.size() + wholeDigits / 3 * separators.group.size() + separators.decimal.size() + 1);
    if (value < 0 && cents.find_first_not_of('0') != std::string::npos)
        text += '-';
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (i > 0 && (wholeDigits - i) % 3 == 0)
            text += separators.group;
        text += cents[i];
    }
    text += separators.decimal;
    text.append(cents, wholeDigits, 2);
    return text;
}

} // namespace amounts
