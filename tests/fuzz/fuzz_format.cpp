// Formatting any finite double: the text always has the pattern of the
// separators used, and an amount in whole cents reads back as the same cents.
#include <cmath>
#include <cstdint>
#include <iterator>
#include <cstdlib>
#include <cstring>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"

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

// Back to a number: groups dropped, the decimal separator made ".".
double readBack(const std::string &text, const amounts::Separators &separators)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < sizeof(double) + 1)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const amounts::Separators locales[] = {{".", ","}, {",", "."}, {"\u202f", ","}, {"'", "."}};
    const amounts::Separators &separators = locales[data[sizeof value] % std::size(locales)];
    if (!std::isfinite(value))
        return 0; // the window refuses these before formatting

    if (!hasPattern(amounts::formatAmount(value, separators), separators))
        std::abort();

    // The same bits as a count of cents, below 1e13 in amount, where a double
    // is closer than half a cent to every cent: it must read back unchanged.
    std::int64_t cents;
    std::memcpy(&cents, data, sizeof cents);
    cents %= 1'000'000'000'000'000;
    const double amount = double(cents) / 100;
    if (readBack(amounts::formatAmount(amount, separators), separators) != amount)
        std::abort();
    return 0;
}
