#include "converter/amount_reading.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

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

// Multiplies the decimal digits by radix and adds digit.
void multiplyAdd(std::string &digits, int radix, int digit)
{
    int carry = digit;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
        const int product = (*d - '0') * radix + carry;
        *d = char('0' + product % 10);
        carry = product / 10;
    }
    for (; carry > 0; carry /= 10)
        digits.insert(digits.begin(), char('0' + carry % 10));
}

Amount readRadix(Cursor &in, int radix)
{
    Amount amount;
    for (int digit; (digit = digitValue(in.peek(), radix)) >= 0; in.advance()) {
        amount.value = amount.value * radix + digit;
        // Past the double range the amount is refused, and its digits unused.
        if (std::isfinite(amount.value))
            multiplyAdd(amount.digits, radix, digit);
    }
    return amount;
}

// Reads an exponent after E or D, if digits follow; "12E" is just 12.
std::int64_t readExponent(Cursor &in)
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
    constexpr std::int64_t kLimit = 1'000'000'000;
    std::int64_t exponent = 0;
    for (char c; isDigit(c = in.peek()); in.advance())
        exponent = std::min(exponent * 10 + (c - '0'), kLimit);
    return negative ? -exponent : exponent;
}

// The double nearest to the digits and exponent, from from_chars, which rounds
// correctly and ignores the C locale.
double nearestDouble(const Amount &amount)
{
    if (amount.digits.empty())
        return 0;
    const std::string number = amount.digits + 'e' + std::to_string(amount.exponent);
    double value = 0;
#if defined(__cpp_lib_to_chars)
    const bool outOfRange =
        std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range;
#else
    // libc++ (the browser build's) has no from_chars for double. strtod rounds
    // as correctly; its C library (musl) reads "." whatever the locale.
    errno = 0;
    value = std::strtod(number.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE;
#endif
    if (outOfRange) {
        // Too large or too small: the power of ten of the first digit tells which.
        const bool large = std::int64_t(amount.digits.size()) + amount.exponent > 1;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return amount.negative ? -value : value;
}

Amount readDecimal(Cursor &in)
{
    Amount amount;
    if (in.peek() == '+' || in.peek() == '-') {
        amount.negative = in.peek() == '-';
        in.advance();
    }
    // Leading zeros are dropped, and each digit after the point lowers the exponent.
    bool anyDigit = false;
    const auto readDigits = [&](bool afterPoint) {
        for (char c; isDigit(c = in.peek()); in.advance()) {
            anyDigit = true;
            if (c != '0' || !amount.digits.empty())
                amount.digits += c;
            if (afterPoint)
                --amount.exponent;
        }
    };
    readDigits(false);
    if (in.peek() == '.') {
        in.advance();
        readDigits(true);
    }
    if (!anyDigit)
        return {};

    const char marker = in.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd')
        amount.exponent += readExponent(in);
    amount.value = nearestDouble(amount);
    return amount;
}

} // namespace

Amount readAmount(std::string_view text)
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
    return {};
}

} // namespace amounts
