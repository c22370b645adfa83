// Reading, converting and formatting one amount, beside the standard
// library's own reading and writing pair on the same inputs.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/conversion.h"

namespace {

constexpr std::string_view kInputs[] = {"1936.27", "12", "0.5", "9000000000000", "123456.789", "1e7", "99999.99", "0.015"};

void ReadConvertAndFormat(benchmark::State &state)
{
    const amounts::Separators italian{".", ","};
    for (auto _ : state)
        for (std::string_view input : kInputs)
            for (const auto direction : {amounts::Direction::LireToEuro, amounts::Direction::EuroToLire}) {
                const auto cents = amounts::convert(amounts::readAmount(input), direction);
                benchmark::DoNotOptimize(amounts::formatAmount(*cents, italian));
            }
    state.SetItemsProcessed(state.iterations() * std::size(kInputs) * 2);
}

void FromCharsToChars(benchmark::State &state)
{
    std::array<char, 64> buffer;
    for (auto _ : state) {
        for (std::string_view input : kInputs) {
            double value = 0;
            std::from_chars(input.data(), input.data() + input.size(), value);
            benchmark::DoNotOptimize(std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::fixed, 2));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(kInputs));
}

} // namespace

BENCHMARK(ReadConvertAndFormat);
BENCHMARK(FromCharsToChars);
