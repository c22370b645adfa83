#include "converter/amount_reading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace amounts {
namespace {

// Walks the text while skipping blanks, tabs and line feeds wherever they are,
// so "1 000" reads as 1000 and "- 5" as -5.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    char peek()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int radix)
{
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

double readRadix(Cursor &in, int radix)
{
    double value = 0;
    for (int digit; (digit = digitValue(in.peek(), radix)) >= 0; in.advance())
        value = value * radix + digit;
    return value;
}

// Reads an exponent after E or D, if digits follow; "12E" is just 12.
long readExponent(Cursor &in)
{
    Cursor start = in;
    in.advance();
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }
    if (!isDigit(in.peek())) {
        in = start;
        return 0;
    }
    // Saturate: no text is long enough to bring such an exponent back in range.
    constexpr long kLimit = 1'000'000'000;
    long exponent = 0;
    for (char c; isDigit(c = in.peek()); in.advance())
        exponent = std::min(exponent * 10 + (c - '0'), kLimit);
    return negative ? -exponent : exponent;
}

double readDecimal(Cursor &in)
{
    // Gathers the number without the skipped blanks, in the form from_chars
    // reads, which rounds correctly and ignores the C locale.
    std::string number;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        if (negative)
            number += '-';
        in.advance();
    }

    // The power of ten of the first significant digit, counted as we go, tells
    // an overflow from an underflow when from_chars reports either.
    long leadPower = 0;
    bool significant = false;
    bool anyDigit = false;
    for (char c; isDigit(c = in.peek()); in.advance()) {
        number += c;
        anyDigit = true;
        significant = significant || c != '0';
        if (significant)
            ++leadPower;
    }
    --leadPower;
    if (in.peek() == '.') {
        number += '.';
        in.advance();
        for (char c; isDigit(c = in.peek()); in.advance()) {
            number += c;
            anyDigit = true;
            if (significant)
                continue;
            if (c == '0')
                --leadPower;
            else
                significant = true;
        }
    }
    if (!anyDigit)
        return 0;

    const char marker = in.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        const long exponent = readExponent(in);
        number += 'e';
        number += std::to_string(exponent);
        leadPower += exponent;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = leadPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

} // namespace

double readAmount(std::string_view text)
{
    Cursor in(text);
    if (in.peek() != '&')
        return readDecimal(in);

    in.advance();
    const char radix = in.peek();
    in.advance();
    if (radix == 'H' || radix == 'h')
        return readRadix(in, 16);
    if (radix == 'O' || radix == 'o')
        return readRadix(in, 8);
    return 0;
}

} // namespace amounts
