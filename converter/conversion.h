#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "converter/amount_reading.h"

namespace amounts {

// The fixed rate: 1936.27 lire, that is 193627 lire cents, to the euro.
inline constexpr std::uint32_t kLireCentsPerEuro = 193627;
inline constexpr double kLirePerEuro = kLireCentsPerEuro / 100.0;

// Largest amount accepted in each direction; equal to the ceiling is accepted.
// The two are not equivalent amounts: 9e12 lire are worth far more than 9e7 euro.
inline constexpr double kLireCeiling = 9e12;
inline constexpr double kEuroCeiling = 9e7;

enum class Direction { LireToEuro, EuroToLire };

// A converted amount in whole cents.
struct Cents {
    bool negative = false; // never for zero
    std::string digits;    // without leading zeros; none for zero
};

// Converts the exact amount read and rounds once, to the cent, with exact
// halves away from zero (the euro conversion rule). Nothing when the amount,
// or its result in double precision, lies beyond the double range.
std::optional<Cents> convert(const Amount &amount, Direction direction);

inline constexpr bool exceedsCeiling(double amount, Direction direction)
{
    return amount > (direction == Direction::LireToEuro ? kLireCeiling : kEuroCeiling);
}

} // namespace amounts
