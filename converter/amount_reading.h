#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace amounts {

// An amount as read: exactly, as ±digits × 10^exponent, and as the nearest
// double, which is what the ceilings are compared with.
struct Amount {
    double value = 0;
    bool negative = false;
    std::string digits; // decimal digits without leading zeros; none for zero
    std::int64_t exponent = 0;
};

// Reads the number at the start of text the way users of the original
// program expect: blanks, tabs and line feeds are skipped anywhere, "." is the
// only decimal separator whatever the locale, E or D starts an exponent, "&H"
// and "&O" start hexadecimal and octal numbers, and reading stops at the first
// character that cannot continue the number. Text that does not start with a
// number reads as 0. A number beyond the double range has the value
// +/-infinity, so that the caller can refuse it.
Amount readAmount(std::string_view text);

} // namespace amounts
