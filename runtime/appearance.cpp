#include "runtime/appearance.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <string_view>

#include "runtime/program.h"

namespace runtime {

FontFaces fontFaces(const Font &font)
{
    static constexpr const char *kSerif[] = {"Times New Roman", "Liberation Serif"};
    static constexpr const char *kSans[] = {"Microsoft Sans Serif", "Liberation Sans", "Arial"};
    if (std::string_view(font.family) == "Times New Roman")
        return {kSerif, true};
    return {kSans, false};
}

Colour drawnColour(Colour colour)
{
    constexpr Colour kSystem = 0x80000000u;
    constexpr Colour kWindowFrame = kSystem + 6;
    if (colour == kNoColour || !(colour & kSystem))
        return colour;
    // The window frame was black in the schemes the layout was drawn with;
    // today's schemes make it a grey, lighter still under Wine, that the
    // green amount would not stand out on.
    if (colour == kWindowFrame)
        return 0;
    return toolkit().systemColour(int(colour & 0xFF));
}

std::vector<std::size_t> tabOrder(const WindowLayout &layout)
{
    std::vector<std::size_t> order(layout.controls.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::ranges::stable_sort(order, {}, [&layout](std::size_t i) {
        const int tab = layout.controls[i].tab;
        return tab == kNoTab ? INT_MAX : tab;
    });
    return order;
}

} // namespace runtime
