// Reading an amount from any bytes: no crash, no read past the input, no NaN,
// and a character that cannot continue a number changes nothing after it.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converter/amount_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double amount = amounts::readAmount(text);
    if (std::isnan(amount))
        std::abort();
    const double followed = amounts::readAmount(std::string(text) + '#');
    if (followed != amount && !(std::isnan(followed) && std::isnan(amount)))
        std::abort();
    return 0;
}
