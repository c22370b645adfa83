#include "converter/conversion.h"

#include <algorithm>
#include <cmath>

namespace amounts {
namespace {

// Adds one cent, carrying through the nines.
void roundUp(std::string &digits)
{
    auto digit = digits.rbegin();
    for (; digit != digits.rend() && *digit == '9'; ++digit)
        *digit = '0';
    if (digit == digits.rend())
        digits.insert(digits.begin(), '1');
    else
        ++*digit;
}

// Lire ÷ 1936.27 is lire × 10^5 ÷ 1936270 euro cents. Every half cent lies on
// a multiple of 0.00001 lire (an odd multiple of 9.68135), so the digits
// beyond the fifth decimal cannot change the rounding and are left out.
std::string toEuroCents(const Amount &amount)
{
    constexpr std::uint32_t kDivisor = kLireCentsPerEuro * 10;
    const std::int64_t size = std::int64_t(amount.digits.size());
    std::string quotient;
    std::uint32_t remainder = 0;
    for (std::int64_t i = 0; i < size + amount.exponent + 5; ++i) {
        remainder = remainder * 10 + (i < size ? amount.digits[i] - '0' : 0);
        if (remainder >= kDivisor || !quotient.empty())
            quotient += char('0' + remainder / kDivisor);
        remainder %= kDivisor;
    }
    if (remainder >= kDivisor / 2)
        roundUp(quotient);
    return quotient;
}

// Euro × 1936.27 is euro × 193627 lire cents: the digits times 193627 from the
// last one up, then shifted by the exponent. Digits shifted below the cent are
// dropped, the first of them deciding the rounding.
std::string toLireCents(const Amount &amount)
{
    const std::int64_t dropped = std::max<std::int64_t>(0, -amount.exponent);
    std::string product; // reversed until the end
    char firstDropped = '0';
    std::int64_t position = 0;
    const auto put = [&](std::uint32_t digit) {
        if (position >= dropped)
            product += char('0' + digit);
        else if (position == dropped - 1)
            firstDropped = char('0' + digit);
        ++position;
    };
    std::uint32_t carry = 0;
    for (auto digit = amount.digits.rbegin(); digit != amount.digits.rend(); ++digit) {
        carry += std::uint32_t(*digit - '0') * kLireCentsPerEuro;
        put(carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        put(carry % 10);
    std::reverse(product.begin(), product.end());
    if (!product.empty())
        product.append(std::max<std::int64_t>(0, amount.exponent), '0');
    if (firstDropped >= '5')
        roundUp(product);
    return product;
}

} // namespace

std::optional<Cents> convert(const Amount &amount, Direction direction)
{
    // The double result tells whether the exact one would leave the double
    // range; the exact one is then at most a few hundred digits long.
    const bool toEuro = direction == Direction::LireToEuro;
    if (!std::isfinite(toEuro ? amount.value / kLirePerEuro : amount.value * kLirePerEuro))
        return std::nullopt;
    if (amount.digits.empty())
        return Cents{};
    Cents cents{amount.negative, toEuro ? toEuroCents(amount) : toLireCents(amount)};
    cents.negative = cents.negative && !cents.digits.empty();
    return cents;
}

} // namespace amounts
