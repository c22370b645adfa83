#pragma once

namespace amounts {

// The fixed rate of the lira to the euro.
inline constexpr double kLirePerEuro = 1936.27;

// Largest amount accepted in each direction; equal to the ceiling is accepted.
// The two are not equivalent amounts: 9e12 lire are worth far more than 9e7 euro.
inline constexpr double kLireCeiling = 9e12;
inline constexpr double kEuroCeiling = 9e7;

enum class Direction { LireToEuro, EuroToLire };

inline constexpr double convert(double amount, Direction direction)
{
    // A true division, not a multiplication by the reciprocal: it gives
    // exactly one euro for 1936.27 lire.
    return direction == Direction::LireToEuro ? amount / kLirePerEuro : amount * kLirePerEuro;
}

inline constexpr bool exceedsCeiling(double amount, Direction direction)
{
    return amount > (direction == Direction::LireToEuro ? kLireCeiling : kEuroCeiling);
}

} // namespace amounts
