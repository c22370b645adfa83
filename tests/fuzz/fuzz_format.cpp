// Formatting converted amounts: the text always has the pattern of the
// separators used, and reads back as the amount it shows.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

// -?d{1,3}(G ddd)*D dd, with G and D the separators.
bool hasPattern(const std::string &text, const amounts::Separators &separators)
{
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const auto digits = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, ++at)
            if (at >= text.size() || text[at] < '0' || text[at] > '9')
                return false;
        return true;
    };
    const auto literal = [&](std::string_view part) {
        if (text.compare(at, part.size(), part) != 0)
            return false;
        at += part.size();
        return true;
    };
    std::size_t lead = 0;
    while (at + lead < text.size() && text[at + lead] >= '0' && text[at + lead] <= '9')
        ++lead;
    if (lead < 1 || lead > 3 || !digits(lead))
        return false;
    while (text.compare(at, separators.group.size(), separators.group) == 0) {
        at += separators.group.size();
        if (!digits(3))
            return false;
    }
    return literal(separators.decimal) && digits(2) && at == text.size();
}

// Back to an amount: groups dropped, the decimal separator made ".".
amounts::Amount readBack(const std::string &text, const amounts::Separators &separators)
{
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, separators.group.size(), separators.group) == 0) {
            at += separators.group.size();
        } else if (text.compare(at, separators.decimal.size(), separators.decimal) == 0) {
            plain += '.';
            at += separators.decimal.size();
        } else {
            plain += text[at++];
        }
    }
    return amounts::readAmount(plain);
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
    const std::string back = converted(readBack(lire, separators), amounts::Direction::LireToEuro, separators);
    if (back != amounts::formatAmount({cents < 0, euro.digits}, separators) || !hasPattern(back, separators))
        std::abort();
    return 0;
}
