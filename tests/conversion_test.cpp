// Amounts typed and converted through the program's own code, against exact
// 64-bit integer arithmetic: lire ÷ 1936.27 is lire × 10000 / 193627 euro cents,
// euro × 1936.27 is euro × 193627 lire cents, rounded once, halves away
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

// Every whole lira and every euro cent up to this many, 100.000.000 lire and
// 1.000.000 euro; under the sanitizers, under Wine and under node, every conversion is
// many times slower, and a smaller range keeps those runs within a minute.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kEvery = 1'000'000;
#elif defined(_WIN32) || defined(__EMSCRIPTEN__)
constexpr std::uint64_t kEvery = 10'000'000;
#else
constexpr std::uint64_t kEvery = 100'000'000;
#endif

// Converts units / 10^decimals, typed as text, and fails by name the first
// few amounts whose cents are not the exact ones.
struct Exact {
    Direction direction;
    int failures = 0;

    void check(std::uint64_t units, int decimals, bool negative = false)
    {
        const bool toEuro = direction == Direction::LireToEuro;
        std::uint64_t scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        std::string typed = (negative ? "-" : "") + std::to_string(units / scale);
        if (decimals > 0)
            typed += '.' + std::to_string(scale + units % scale).substr(1);
        // units × m / d, rounded, in 64 bits without overflow: with units =
        // q·d + r, it is q·m + r·m / d, and 2·r·m + d stays below 2^52.
        const std::uint64_t m = toEuro ? 10000 : 193627;
        const std::uint64_t d = scale * (toEuro ? 193627 : 1);
        const std::uint64_t exact = units / d * m + (2 * (units % d) * m + d) / (2 * d);
        const std::string wanted = exact == 0 ? "" : (negative ? "-" : "") + std::to_string(exact);

        const auto cents = amounts::convert(amounts::readAmount(typed), direction);
        const std::string got = cents ? (cents->negative ? "-" : "") + cents->digits : "nothing";
        if (got != wanted && ++failures <= 3)
            FAIL_CHECK(typed << (toEuro ? " lire" : " euro") << " give cents \"" << got << "\", exactly \"" << wanted << "\"");
    }
};

// Calls f with `count` random numbers from each decade [10^k, 10^(k+1)) up
// to `last`, and from [0, 10), each with a random sign.
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
    Exact lire{Direction::LireToEuro}, euro{Direction::EuroToLire};
    for (std::uint64_t n = 0; n <= kEvery; ++n) {
        lire.check(n, 0);
        euro.check(n, 2);
    }
}

TEST_CASE("random amounts of every size up to the ceilings convert exactly")
{
    const struct {
        Direction direction;
        std::uint64_t ceiling;
        int decimals[3];
    } cases[] = {
        {Direction::LireToEuro, 9'000'000'000'000, {0, 2, 6}}, // digits past the fifth decimal too
        {Direction::EuroToLire, 90'000'000, {0, 2, 4}},
    };
    for (const auto &[direction, ceiling, decimalsEach] : cases) {
        for (const int decimals : decimalsEach) {
            Exact exact{direction};
            std::uint64_t last = ceiling;
            for (int i = 0; i < decimals; ++i)
                last *= 10;
            eachDecade(last, 20'000, [&](std::uint64_t units, bool negative) { exact.check(units, decimals, negative); });
        }
    }
}

TEST_CASE("the amounts nearest a half cent convert exactly")
{
    // Whole lire L with 10000·L mod 193627 = r lie within 1/193627 of a half
    // cent for r = 96813 and 96814: L = r·10000⁻¹ + k·193627.
    static_assert(10000 * 105275 % 193627 == 1);
    Exact lire{Direction::LireToEuro}, euro{Direction::EuroToLire};
    for (const std::uint64_t r : {96813, 96814})
        eachDecade(9'000'000'000'000 / 193627, 20'000,
                   [&](std::uint64_t k, bool negative) { lire.check(r * 105275 % 193627 + k * 193627, 0, negative); });
    // Euro cents E whose lire cents E·193627/100 end in ,45 to ,55; ,50 is an
    // exact half: E = r·27⁻¹ (mod 100) + k·100.
    static_assert(27 * 63 % 100 == 1);
    for (std::uint64_t r = 45; r <= 55; ++r)
        eachDecade(90'000'000, 20'000, [&](std::uint64_t k, bool negative) { euro.check(r * 63 % 100 + k * 100, 2, negative); });
}

TEST_CASE("amounts convert exactly whatever their form or length")
{
    const struct {
        std::string typed;
        Direction direction;
        std::string shown;
    } cases[] = {
        {"20000164260", Direction::LireToEuro, "10.329.222,81"},
        {"52069552.61", Direction::EuroToLire, "100.820.712.632,16"},
        {"9.68135", Direction::LireToEuro, "0,01"}, // an exact half cent
        // Half a lira cent in euro, 1/387254, cut short and rounded up.
        {"0.00000258228449544743243452617661793035062258879", Direction::EuroToLire, "0,00"},
        {"0.00000258228449544743243452617661793035062258880", Direction::EuroToLire, "0,01"},
        {"0." + std::string(100000, '0') + "1", Direction::EuroToLire, "0,00"},
        {"-1936269990.31865", Direction::LireToEuro, "-1.000.000,00"}, // a half cent carried into a new group
        {"1e-999999999999", Direction::EuroToLire, "0,00"},
    };
    for (const auto &[typed, direction, shown] : cases) {
        CAPTURE(typed);
        CHECK(amounts::formatAmount(amounts::convert(amounts::readAmount(typed), direction).value(), {".", ","}) == shown);
    }
    CHECK(amounts::convert(amounts::readAmount("193627e298"), Direction::LireToEuro).value().digits == "1" + std::string(302, '0'));
    CHECK(amounts::convert(amounts::readAmount("1e300"), Direction::EuroToLire).value().digits == "193627" + std::string(300, '0'));
}
