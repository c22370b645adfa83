// Formatting converted amounts: the text always has the pattern of the
// separators used, and reads back as the amount it shows.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

// -?d{1,3}(G ddd)*D dd, with G and D the separators.
bool hasPattern(const std::string &text, const amounts::Separators &separators)
{
    // Each byte of a separator in brackets of its own, taken literally.
    const auto literal = [](std::string_view separator) {
        std::string pattern;
        for (const char c : separator)
            pattern += std::string("[") + c + ']';
        return pattern;
    };
    const std::string group = literal(separators.group), decimal = literal(separators.decimal);
    return std::regex_match(text, std::regex("-?[0-9]{1,3}(" + group + "[0-9]{3})*" + decimal + "[0-9]{2}"));
}

// Back to an amount, from text of that pattern: its digits, the last two
// decimals.
amounts::Amount readBack(const std::string &text)
{
    std::string plain;
    for (const char c : text)
        if (c == '-' || (c >= '0' && c <= '9'))
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
