// Every euro amount from 0,00 to 100.000,00 and every whole lire amount up to
// 10.000.000, converted through the program's own reading, conversion and
// formatting, against exact integer arithmetic with halves away from zero.
#include <doctest/doctest.h>

#include <cstdint>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

// Whole cents as the Italian "#.##0,00", straight from the integer.
std::string italianCents(std::int64_t cents)
{
    const std::string digits = std::to_string(cents / 100);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += '.';
        text += digits[i];
    }
    const auto fraction = cents % 100;
    return text + ',' + char('0' + fraction / 10) + char('0' + fraction % 10);
}

std::string converted(const std::string &typed, amounts::Direction direction)
{
    return amounts::formatAmount(amounts::convert(amounts::readAmount(typed), direction), {".", ","});
}

} // namespace

TEST_CASE("every euro cent to 100.000 euro converts to the exact lire")
{
    int mismatches = 0;
    for (std::int64_t cents = 0; cents <= 10'000'000; ++cents) {
        const std::string typed = std::to_string(cents / 100) + '.' + char('0' + cents / 10 % 10) + char('0' + cents % 10);
        // cents/100 euro × 1936.27 is cents × 193627 / 100 lire cents.
        const std::string expected = italianCents((cents * 193627 + 50) / 100);
        if (converted(typed, amounts::Direction::EuroToLire) != expected && ++mismatches <= 5)
            FAIL_CHECK(typed << " euro should be " << expected << " lire");
    }
    CHECK(mismatches == 0);
}

TEST_CASE("every whole lira to 10.000.000 converts to the exact euro")
{
    int mismatches = 0;
    for (std::int64_t lire = 0; lire <= 10'000'000; ++lire) {
        // lire / 1936.27 euro is lire × 10000 / 193627 euro cents.
        const std::string expected = italianCents((lire * 20000 + 193627) / (2 * 193627));
        if (converted(std::to_string(lire), amounts::Direction::LireToEuro) != expected && ++mismatches <= 5)
            FAIL_CHECK(lire << " lire should be " << expected << " euro");
    }
    CHECK(mismatches == 0);
}
