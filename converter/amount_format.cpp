#include "converter/amount_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace amounts {
namespace {

// Room for the 309 whole digits of the largest double, its fraction and a
// carry; the digits live in a fixed buffer to keep formatting free of
// allocations but the result's own.
using Buffer = std::array<char, 400>;

struct Digits {
    std::string_view whole;    // no leading zeros but at least one digit
    std::string_view fraction; // possibly empty; missing digits are zeros
};

// The decimal digits on which rounding is decided. Below 1e12 the
// thousandths lie within 15 significant digits, so those are used; above, a
// double has no digits that far and its exact expansion is used instead (13
// fractional digits are exact for any double of 2^39 or more).
Digits decimalDigits(double magnitude, Buffer &buffer)
{
    if (magnitude >= 1e12) {
        const auto end = std::to_chars(buffer.begin(), buffer.end(), magnitude, std::chars_format::fixed, 13).ptr;
        const std::string_view text(buffer.begin(), end);
        const auto point = text.find('.');
        return {text.substr(0, point), text.substr(point + 1)};
    }

    // "d.dddddddddddddde±xx": its 15 digits, after the zeros that a value
    // below one has before them in its fraction.
    std::array<char, 32> scientific;
    const auto end = std::to_chars(scientific.begin(), scientific.end(), magnitude, std::chars_format::scientific, 14).ptr;
    int exponent = 0;
    std::from_chars(scientific.data() + 17 + (scientific[17] == '+'), end, exponent);
    const int zeros = std::max(0, -exponent - 1);
    std::fill_n(buffer.begin(), zeros, '0');
    char *mantissa = buffer.data() + zeros;
    mantissa[0] = scientific[0];
    std::copy_n(scientific.begin() + 2, 14, mantissa + 1);
    if (exponent >= 0)
        return {std::string_view(mantissa, exponent + 1), std::string_view(mantissa + exponent + 1, 14 - exponent)};
    return {"0", std::string_view(buffer.data(), zeros + 15)};
}

} // namespace

std::string formatAmount(double value, Separators separators)
{
    Buffer buffer;
    const Digits digits = decimalDigits(std::fabs(value), buffer);
    const auto fractionDigit = [&](std::size_t i) { return i < digits.fraction.size() ? digits.fraction[i] : '0'; };

    // The value in cents, rounded with halves away from zero, with a place
    // in front for a carry.
    std::array<char, 400> cents;
    std::size_t size = 1;
    cents[0] = '0';
    for (char digit : digits.whole)
        cents[size++] = digit;
    cents[size++] = fractionDigit(0);
    cents[size++] = fractionDigit(1);
    if (fractionDigit(2) >= '5') {
        std::size_t i = size - 1;
        for (; cents[i] == '9'; --i)
            cents[i] = '0';
        ++cents[i];
    }
    const std::size_t first = cents[0] == '0' ? 1 : 0;
    const std::string_view rounded(cents.data() + first, size - first);
    const std::size_t wholeDigits = rounded.size() - 2;

    std::string text;
    text.reserve(rounded.size() + wholeDigits / 3 * separators.group.size() + separators.decimal.size() + 1);
    if (value < 0 && rounded.find_first_not_of('0') != std::string_view::npos)
        text += '-';
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (i > 0 && (wholeDigits - i) % 3 == 0)
            text += separators.group;
        text += rounded[i];
    }
    text += separators.decimal;
    text += rounded.substr(wholeDigits);
    return text;
}

} // namespace amounts
