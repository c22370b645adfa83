// Amounts typed, converted and shown through the program's own code, against
// exact integer arithmetic: lire ÷ 1936.27 is lire × 10000 / 193627 euro
// cents, euro × 1936.27 is euro × 193627 lire cents, rounded once, halves away
// from zero.
#include <doctest/doctest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

using amounts::Direction;
__extension__ typedef unsigned __int128 Wide;

// Every whole lira and every euro cent up to this many, 100.000.000 lire and
// 1.000.000 euro; under the sanitizers, and under Wine, every conversion is
// many times slower, and a smaller range keeps those runs within a minute.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kEvery = 1'000'000;
#elif defined(_WIN32)
constexpr std::uint64_t kEvery = 10'000'000;
#else
constexpr std::uint64_t kEvery = 100'000'000;
#endif

// The amount units / 10^decimals, negative or not.
struct Typed {
    std::uint64_t units;
    int decimals;
    bool negative = false;
};

std::string text(const Typed &amount)
{
    std::string digits = std::to_string(amount.units);
    if (amount.decimals > 0) {
        digits.insert(0, std::max<int>(0, amount.decimals + 1 - int(digits.size())), '0');
        digits.insert(digits.size() - amount.decimals, 1, '.');
    }
    return amount.negative ? '-' + digits : digits;
}

std::uint64_t exactCents(const Typed &amount, Direction direction)
{
    const bool toEuro = direction == Direction::LireToEuro;
    Wide denominator = toEuro ? 193627 : 1;
    for (int i = 0; i < amount.decimals; ++i)
        denominator *= 10;
    const Wide numerator = Wide(amount.units) * (toEuro ? 10000 : 193627);
    return std::uint64_t((2 * numerator + denominator) / (2 * denominator));
}

// Cents given as digits, shown as the Italian "#.##0,00".
std::string italian(std::string cents, bool negative)
{
    cents.insert(0, std::max<int>(0, 3 - int(cents.size())), '0');
    const std::size_t whole = cents.size() - 2;
    std::string shown = negative && cents.find_first_not_of('0') != std::string::npos ? "-" : "";
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0)
            shown += '.';
        shown += cents[i];
    }
    return shown + ',' + cents.substr(whole);
}

std::string converted(const std::string &typed, Direction direction)
{
    return amounts::formatAmount(amounts::convert(amounts::readAmount(typed), direction).value(), {".", ","});
}

// Counts the amounts that do not show their exact cents; the first few fail
// the test by name.
class Mismatches {
public:
    void check(const Typed &amount, Direction direction)
    {
        const std::string typed = text(amount);
        const std::string expected = italian(std::to_string(exactCents(amount, direction)), amount.negative);
        const std::string shown = converted(typed, direction);
        if (shown != expected && ++count_ <= 3)
            FAIL_CHECK(typed << (direction == Direction::LireToEuro ? " lire" : " euro") << " shows " << shown
                             << ", exactly " << expected);
    }
    ~Mismatches() { CHECK(count_ == 0); }

private:
    int count_ = 0;
};

// Calls f with `count` random numbers from each decade [10^k, 10^(k+1)) up
// to `last`, and from [0, 10).
template <typename F>
void eachDecade(std::uint64_t last, int count, F f)
{
    std::mt19937_64 random(1936'27);
    for (std::uint64_t low = 0, high = 10; low < last; low = high, high = std::min(high * 10, last + 1)) {
        std::uniform_int_distribution<std::uint64_t> in(low, high - 1);
        for (int i = 0; i < count; ++i)
            f(in(random), random() % 2 == 1);
    }
}

} // namespace

TEST_CASE("every whole lira and every euro cent from zero up converts exactly")
{
    Mismatches mismatches;
    for (std::uint64_t n = 0; n <= kEvery; ++n) {
        mismatches.check({n, 0}, Direction::LireToEuro);
        mismatches.check({n, 2}, Direction::EuroToLire);
    }
}

TEST_CASE("random amounts of every size up to the ceilings convert exactly")
{
    const struct {
        Direction direction;
        std::uint64_t ceiling;
        int decimals;
    } cases[] = {
        {Direction::LireToEuro, 9'000'000'000'000, 0},
        {Direction::LireToEuro, 9'000'000'000'000, 2},
        {Direction::LireToEuro, 9'000'000'000'000, 6}, // digits past the fifth decimal too
        {Direction::EuroToLire, 90'000'000, 2},
        {Direction::EuroToLire, 90'000'000, 0},
        {Direction::EuroToLire, 90'000'000, 4},
    };
    for (const auto &[direction, ceiling, decimals] : cases) {
        CAPTURE(decimals);
        Mismatches mismatches;
        std::uint64_t scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        eachDecade(ceiling * scale, 20'000,
                   [&](std::uint64_t units, bool negative) { mismatches.check({units, decimals, negative}, direction); });
    }
}

TEST_CASE("the amounts nearest a half cent convert exactly")
{
    // Whole lire L with 10000·L mod 193627 = r lie within 1/193627 of a half
    // cent for r = 96813 and 96814: L = r·10000⁻¹ + k·193627.
    static_assert(10000 * 105275 % 193627 == 1);
    for (const std::uint64_t r : {96813, 96814}) {
        CAPTURE(r);
        Mismatches mismatches;
        eachDecade(9'000'000'000'000 / 193627, 20'000, [&](std::uint64_t k, bool negative) {
            mismatches.check({r * 105275 % 193627 + k * 193627, 0, negative}, Direction::LireToEuro);
        });
    }
    // Euro cents E whose lire cents E·193627/100 end in ,45 to ,55; ,50 is an
    // exact half: E = r·27⁻¹ (mod 100) + k·100.
    static_assert(27 * 63 % 100 == 1);
    for (std::uint64_t r = 45; r <= 55; ++r) {
        CAPTURE(r);
        Mismatches mismatches;
        eachDecade(90'000'000, 20'000, [&](std::uint64_t k, bool negative) {
            mismatches.check({r * 63 % 100 + k * 100, 2, negative}, Direction::EuroToLire);
        });
    }
}

TEST_CASE("amounts convert exactly whatever their form or length")
{
    // Half a lira cent in euro, 1/387254, cut short and rounded up.
    const std::string below = "0.00000258228449544743243452617661793035062258879";
    const std::string above = "0.00000258228449544743243452617661793035062258880";
    const struct {
        std::string typed;
        Direction direction;
        std::string shown;
    } cases[] = {
        {"20000164260", Direction::LireToEuro, "10.329.222,81"},
        {"52069552.61", Direction::EuroToLire, "100.820.712.632,16"},
        {"2.000016426E10", Direction::LireToEuro, "10.329.222,81"},
        {"&H4A81A49A4", Direction::LireToEuro, "10.329.222,81"},
        {"- 5206955261d-2", Direction::EuroToLire, "-100.820.712.632,16"},
        {"9.68135", Direction::LireToEuro, "0,01"},             // an exact half cent
        {"-9.68135", Direction::LireToEuro, "-0,01"},
        {"-9.681349999999999999", Direction::LireToEuro, "0,00"}, // no minus on a zero
        {below, Direction::EuroToLire, "0,00"},
        {above, Direction::EuroToLire, "0,01"},
        {"0." + std::string(100000, '0') + "1", Direction::EuroToLire, "0,00"},
        {"1936269990.31865", Direction::LireToEuro, "1.000.000,00"}, // a half cent carried into a new group
        {"-1936269990.31865", Direction::LireToEuro, "-1.000.000,00"},
        {"1e-999999999999", Direction::EuroToLire, "0,00"},
        {"193627e298", Direction::LireToEuro, italian("1" + std::string(302, '0'), false)},
        {"-1e300", Direction::EuroToLire, italian("193627" + std::string(300, '0'), true)},
    };
    for (const auto &[typed, direction, shown] : cases) {
        CAPTURE(typed);
        CHECK(converted(typed, direction) == shown);
    }
}
