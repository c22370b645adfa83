// Reading an amount from any bytes, then converting it both ways: no crash, no
// hang, no read past the input, no NaN; a character that cannot continue a
// number changes nothing after it; the exact result in cents lies within half
// a cent of the double-precision one, but for that one's own error.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

void convertBothWays(const amounts::Amount &amount)
{
    for (const auto direction : {amounts::Direction::LireToEuro, amounts::Direction::EuroToLire}) {
        const auto cents = amounts::convert(amount, direction);
        if (!cents)
            continue;
        const bool toEuro = direction == amounts::Direction::LireToEuro;
        const double approximate = (toEuro ? amount.value / amounts::kLirePerEuro : amount.value * amounts::kLirePerEuro) * 100;
        double exact = 0;
        std::from_chars(cents->digits.data(), cents->digits.data() + cents->digits.size(), exact);
        if (cents->negative)
            exact = -exact;
        const bool far = std::isfinite(approximate) && std::fabs(exact - approximate) > 0.5 + std::fabs(approximate) * 1e-12;
        if (far || (cents->negative && cents->digits.empty()))
            std::abort();
        amounts::formatAmount(*cents, {".", ","});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const amounts::Amount amount = amounts::readAmount(text);
    if (std::isnan(amount.value) || amount.digits.starts_with('0') ||
        amount.digits.find_first_not_of("0123456789") != std::string::npos)
        std::abort();
    const amounts::Amount longer = amounts::readAmount(std::string(text) + '#');
    if (longer.value != amount.value || longer.negative != amount.negative || longer.digits != amount.digits ||
        longer.exponent != amount.exponent)
        std::abort();
    convertBothWays(amount);
    return 0;
}
