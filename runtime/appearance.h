#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "runtime/layout.h"

// How a layout's geometry, fonts and colours look on a screen, one rule for
// every backend.
namespace runtime {

// Twips to pixels at dpi, rounded to the nearest pixel.
constexpr int pixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled < 0 ? -720 : 720)) / 1440);
}

// The standard dialog font, for controls without a font of their own.
inline constexpr Font kDefaultFont{"MS Sans Serif", 8, false};

// The faces to draw a layout's font with, the first one installed. MS Sans
// Serif is a bitmap font in a few fixed sizes; Microsoft Sans Serif is its
// scalable twin, drawn the same at 96 dpi and sharp at any other. Where
// neither is, the Liberation fonts have the metrics of the Windows fonts the
// layout was drawn with, so the twips still fit.
struct FontFaces {
    std::span<const char *const> names;
    bool serif;
};
FontFaces fontFaces(const Font &font);

// The colour a layout's colour is drawn in, as 0x00BBGGRR; kNoColour stays
// the toolkit's own.
Colour drawnColour(Colour colour);

// The indexes of the window's controls in tab order; those without a tab
// position last, in the order of the layout.
std::vector<std::size_t> tabOrder(const WindowLayout &layout);

} // namespace runtime
