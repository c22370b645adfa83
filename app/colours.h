#pragma once

#include <cstdint>

// Colours as the windows store them: 0x00BBGGRR, red in the low byte; a value
// with the top bit set names a system colour of the user's display scheme.
namespace colours {

inline constexpr std::uint32_t Beige = 0x00CAE3ED; // behind both windows and the coin
inline constexpr std::uint32_t Red = 0x000000FF;   // the active currency
inline constexpr std::uint32_t Black = 0x00000000;
inline constexpr std::uint32_t DarkGrey = 0x00404040;
inline constexpr std::uint32_t Grey = 0x00808080;
inline constexpr std::uint32_t Green = 0x0000FF00;
inline constexpr std::uint32_t Yellow = 0x0000FFFF;
inline constexpr std::uint32_t WindowFrame = 0x80000006;

} // namespace colours
