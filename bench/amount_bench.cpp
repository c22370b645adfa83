// Reading and formatting one amount, beside the standard library's own pair
// on the same inputs.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

#include "converter/amount_format.h"
#include "converter/amount_reading.h"

namespace {

constexpr std::string_view kInputs[] = {"1936.27", "12", "0.5", "9000000000000", "123456.789", "1e7", "99999.99", "0.015"};

void ReadAndFormat(benchmark::State &state)
{
    const amounts::Separators italian{".", ","};
    for (auto _ : state)
        for (std::string_view input : kInputs)
            benchmark::DoNotOptimize(amounts::formatAmount(amounts::readAmount(input), italian));
    state.SetItemsProcessed(state.iterations() * std::size(kInputs));
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

BENCHMARK(ReadAndFormat);
BENCHMARK(FromCharsToChars);
