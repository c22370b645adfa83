#include "converter/amount_format.h"

namespace amounts {

std::string formatAmount(const Cents &cents, Separators separators)
{
    // Zeros in front up to three digits: 5 cents show as 0,05.
    const std::string_view digits = cents.digits;
    const std::size_t zeros = digits.size() < 3 ? 3 - digits.size() : 0;
    const auto digit = [&](std::size_t i) { return i < zeros ? '0' : digits[i - zeros]; };
    const std::size_t wholeDigits = zeros + digits.size() - 2;

    std::string text;
    text.reserve(1 + wholeDigits + wholeDigits / 3 * separators.group.size() + separators.decimal.size() + 2);
    if (cents.negative)
        text += '-';
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (i > 0 && (wholeDigits - i) % 3 == 0)
            text += separators.group;
        text += digit(i);
    }
    text += separators.decimal;
    text += digit(wholeDigits);
    text += digit(wholeDigits + 1);
    return text;
}

} // namespace amounts
