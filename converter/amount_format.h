#pragma once

#include <string>
#include <string_view>

namespace amounts {

// The user's separators, as UTF-8 text (some locales use more than one byte).
struct Separators {
    std::string_view group;
    std::string_view decimal;
};

// Formats a finite value as "##,##0.00": digits grouped in threes, at least one
// integer digit, exactly two decimals, a leading minus for negative values.
//
// Rounding is to the cent with exact halves away from zero (the euro
// conversion rule). Whether a value is an exact half is decided on the value
// rounded to 15 significant digits, the precision a double carries, so that
// binary noise cannot turn 968.135 into a round-down. A negative value that
// rounds to zero shows without its minus.
std::string formatAmount(double value, Separators separators);

} // namespace amounts
