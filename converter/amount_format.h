#pragma once

#include <string>
#include <string_view>

#include "converter/conversion.h"

namespace amounts {

// The user's separators, as UTF-8 text (some locales use more than one byte).
struct Separators {
    std::string_view group;
    std::string_view decimal;
};

// Formats whole cents as "##,##0.00": digits grouped in threes, at least one
// integer digit, exactly two decimals, a leading minus for negative amounts.
std::string formatAmount(const Cents &cents, Separators separators);

} // namespace amounts
