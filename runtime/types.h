#pragma once

#include <cstdint>

namespace runtime {

// Booleans as the windows see them: 16 bits, True is -1.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// 0x00BBGGRR, red in the low byte; with the top bit set, a system colour of
// the user's display scheme (0x80000006: the window frame).
using Colour = std::uint32_t;
inline constexpr Colour kNoColour = 0xFFFFFFFF; // keep the system's

// Members of a control array are told apart by a 16-bit index.
using Index = std::int16_t;
inline constexpr Index kNoIndex = -1;

} // namespace runtime
