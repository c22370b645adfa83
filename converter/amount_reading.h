#pragma once

#include <string_view>

namespace amounts {

// Reads the number at the start of text the way users of the original
// program expect: blanks, tabs and line feeds are skipped anywhere, "." is the
// only decimal separator whatever the locale, E or D starts an exponent, "&H"
// and "&O" start hexadecimal and octal numbers, and reading stops at the first
// character that cannot continue the number. Text that does not start with a
// number reads as 0. A number beyond the double range reads as +/-infinity, so
// that the caller can refuse it.
double readAmount(std::string_view text);

} // namespace amounts
