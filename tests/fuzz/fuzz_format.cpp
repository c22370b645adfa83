// Formatting converted amounts: the text always has the pattern of the
// separators used, and reads back as the amount it shows.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// -?d{1,3}(G ddd)*D dd, with G and D the separators. By hand: std::regex
// trips GCC 12's uninitialised-use warning under the sanitizers.
bool hasPattern(std::string_view text, const amounts::Separators &separators)
{
    const auto digits = [&](std::size_t count) {
        const bool all = text.size() >= count && std::all_of(text.begin(), text.begin() + count, isDigit);
        text.remove_prefix(all ? count : 0);
        return all;
    };
    const auto literal = [&](std::string_view separator) {
        const bool there = text.starts_with(separator);
        text.remove_prefix(there ? separator.size() : 0);
        return there;
    };
    literal("-");
    const auto lead = std::size_t(std::find_if_not(text.begin(), text.end(), isDigit) - text.begin());
    if (lead < 1 || lead > 3 || !digits(lead))
        return false;
    while (literal(separators.group))
        if (!digits(3))
            return false;
    return literal(separators.decimal) && digits(2) && text.empty();
}

// Back to an amount, from text of that pattern: its digits, the last two
// decimals.
amounts::Amount readBack(const std::string &text)
{
    std::string plain;
    for (const char c : text)
        if (c == '-' || isDigit(c))
            plain += c;
    return amounts::readAmount(plain.insert(plain.size() - 2, 1, '.'));
}

std::string converted(const amounts::Amount &amount, amounts::Direction direction, const amounts::Separators &separators)
{
    return amounts::formatAmount(amounts::convert(amount, direction).value(), separators);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    std::int64_t cents;
    if (size < sizeof cents + 1)
        return 0;
    std::memcpy(&cents, data, sizeof cents);
    const amounts::Separators locales[] = {{".", ","}, {",", "."}, {"\u202f", ","}, {"'", "."}};
    const amounts::Separators &separators = locales[data[sizeof cents] % std::size(locales)];

    // Any whole euro cents, to lire and back: the lire lie within half a lira
    // cent of the exact amount, worth far less than half a euro cent, so the
    // same cents come back.
    const std::uint64_t magnitude = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    const amounts::Amount euro{double(cents) / 100, cents < 0, magnitude == 0 ? "" : std::to_string(magnitude), -2};
    const std::string lire = converted(euro, amounts::Direction::EuroToLire, separators);
    if (!hasPattern(lire, separators))
        std::abort();
    const std::string back = converted(readBack(lire), amounts::Direction::LireToEuro, separators);
    if (back != amounts::formatAmount({cents < 0, euro.digits}, separators) || !hasPattern(back, separators))
        std::abort();
    return 0;
}
