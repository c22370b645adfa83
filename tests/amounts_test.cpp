// Reading an amount from what the user typed, and showing cents as "##,##0.00".
#include <doctest/doctest.h>

#include <limits>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"

namespace {

// The exact amount read, as "-125e-1"; "0" for zero.
std::string exact(const amounts::Amount &amount)
{
    return amount.digits.empty() ? "0" : (amount.negative ? "-" : "") + amount.digits + 'e' + std::to_string(amount.exponent);
}

} // namespace

TEST_CASE("an amount is read from the start of the text, the way users typed it")
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double value;
        std::string exact;
    } cases[] = {
        {"", 0, "0"},
        {"1936.27", 1936.27, "193627e-2"},
        {"1,5", 1, "1e0"},                   // only "." separates decimals, whatever the locale
        {"\t1\n2 .\t5", 12.5, "125e-1"},     // blanks, tabs and line feeds are skipped
        {"1\r2", 1, "1e0"},                  // but not a carriage return
        {"1.2.3", 1.2, "12e-1"},
        {"007.50", 7.5, "750e-2"},
        {".05", 0.05, "5e-2"},
        {"- 4", -4, "-4e0"},
        {"--1", 0, "0"},
        {"1.5E3", 1500, "15e2"},
        {"2d2", 200, "2e2"},
        {"12e+x", 12, "12e0"},               // an exponent needs digits
        {"&hFFFF", 65535, "65535e0"},        // hexadecimal is unsigned
        {"&H1G", 1, "1e0"},
        {"&H" + std::string(20, 'F'), 0x1p80, "1208925819614629174706175e0"},
        {"&O17", 15, "15e0"},
        {"&o178", 15, "15e0"},
        {"&B101", 0, "0"},
        {"\xd9\xa3", 0, "0"},                // Arabic-Indic digits are not digits here
        {"0." + std::string(400, '1'), 0.1111111111111111, std::string(400, '1') + "e-400"},
        {"1e-400", 0, "1e-400"},
        {"0.001e310", 1e307, "1e307"},
        {"0e999999", 0, "0"},
        // Beyond the double range: infinity, which the window refuses.
        {"1e400", inf, "1e400"},
        {"-1e400", -inf, "-1e400"},
        {"1e99999999999999999999", inf, "1e1000000000"},
        {std::string(400, '9'), inf, std::string(400, '9') + "e0"},
    };
    for (const auto &[text, value, exactly] : cases) {
        CAPTURE(text);
        const amounts::Amount amount = amounts::readAmount(text);
        CHECK(amount.value == value);
        CHECK(exact(amount) == exactly);
    }
}

TEST_CASE("cents show grouped in threes with two decimals")
{
    const struct {
        amounts::Cents cents;
        const char *text;
    } cases[] = {
        {{false, ""}, "0,00"},
        {{false, "5"}, "0,05"},
        {{true, "1"}, "-0,01"},
        {{true, "193627"}, "-1.936,27"},
    };
    for (const auto &[cents, text] : cases) {
        CAPTURE(text);
        CHECK(amounts::formatAmount(cents, {".", ","}) == text);
    }
}
