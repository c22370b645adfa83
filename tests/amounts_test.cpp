// Reading an amount from what the user typed, and showing one as "##,##0.00".
#include <doctest/doctest.h>

#include <limits>
#include <string>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"

namespace {

const amounts::Separators kItalian{".", ","};

} // namespace

TEST_CASE("an amount is read from the start of the text, the way users typed it")
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double amount;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"1936.27", 1936.27},
        {"1,5", 1},                 // only "." separates decimals, whatever the locale
        {"1 000", 1000},            // blanks inside are skipped
        {"\t1\n2 .\t5", 12.5},      // so are tabs and line feeds
        {"1\r2", 1},                // but not a carriage return
        {"1.2.3", 1.2},
        {"12abc", 12},
        {".5", 0.5},
        {"-12.5", -12.5},
        {"- 4", -4},
        {"--1", 0},
        {"1.5E3", 1500},
        {"2d2", 200},
        {"25e-1", 2.5},
        {"12E", 12},                // an exponent needs digits
        {"12e+x", 12},
        {"&HFF", 255},
        {"&hFFFF", 65535},          // hexadecimal is unsigned
        {"&H1G", 1},
        {"&O17", 15},
        {"&o178", 15},
        {"&B101", 0},
        {"\xd9\xa3", 0},            // Arabic-Indic digits are not digits here
        {"0." + std::string(400, '1'), 0.1111111111111111},
        {"1e-400", 0},
        {"0.001e310", 1e307},
        {"0e999999", 0},
        // Beyond the double range: infinity, which the window refuses.
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e99999999999999999999", inf},
        {std::string(400, '9'), inf},
        {"&H" + std::string(300, 'F'), inf},
    };
    for (const auto &[text, amount] : cases) {
        CAPTURE(text);
        CHECK(amounts::readAmount(text) == amount);
    }
}

TEST_CASE("an amount shows grouped in threes with two decimals, halves away from zero")
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {0, "0,00"},
        {0.5, "0,50"},
        {1 / 1936.27, "0,00"},
        {999.99, "999,99"},
        {1936.27, "1.936,27"},
        {123456.0, "123.456,00"},
        {1234567890.12, "1.234.567.890,12"},
        {9e12, "9.000.000.000.000,00"},
        {1e15 + 0.125, "1.000.000.000.000.000,13"},
        {999999.995, "1.000.000,00"}, // the carry makes a new group
        {0.005, "0,01"},
        {0.00499, "0,00"},
        {0.125, "0,13"},             // an exact binary half rounds up, not to even
        {1.004999999, "1,00"},
        {-1936.27, "-1.936,27"},
        {-0.125, "-0,13"},
        {-0.004, "0,00"},            // no minus on a zero
        {-0.0, "0,00"},
        {5e-324, "0,00"},
    };
    for (const auto &[value, text] : cases) {
        CAPTURE(value);
        CHECK(amounts::formatAmount(value, kItalian) == text);
    }
    const std::string largest = amounts::formatAmount(std::numeric_limits<double>::max(), kItalian);
    CHECK(largest.starts_with("179.769.313.486.231.570.814.527"));
    CHECK(largest.ends_with(".858.368,00"));
}

TEST_CASE("the separators are the ones given, even of several bytes")
{
    CHECK(amounts::formatAmount(1234567.891, {",", "."}) == "1,234,567.89");
    CHECK(amounts::formatAmount(1234567.891, {"\u202f", ","}) == "1\u202f234\u202f567,89");
}
