#include "about/frmAbout.h"

#include "app/colours.h"

namespace {

using namespace colours;
using namespace runtime;

// clang-format off
constexpr ControlLayout kControls[] = {
//   name          kind                    index     caption                   left  top   width height font     fore       back       tab     accessible name            alignment    wrap
    {"cmdOK",      Kind::CommandButton,    kNoIndex, "OK",                     3840, 1320, 1260, 345,   nullptr, kNoColour, kNoColour, 0,      nullptr},
    {"cmdSysInfo", Kind::CommandButton,    kNoIndex, "&System Info...",        3840, 1800, 1245, 345,   nullptr, kNoColour, kNoColour, 1,      "Informazioni di sistema"},
    {"Image1",     Kind::StretchedPicture, kNoIndex, "euro-coin",              120,  120,  840,  840,   nullptr, kNoColour, kNoColour, kNoTab, "Moneta da un euro"},
    {"lblTitle",   Kind::Label,            kNoIndex, "Valutrino",              1050, 240,  3885, 480,   nullptr, Black,     Beige,     2,      nullptr,                   Align::Left, true},
    {"lblVersion", Kind::Label,            kNoIndex, "",                       1050, 780,  3885, 225,   nullptr, kNoColour, Beige,     3,      nullptr,                   Align::Left, true},
    {"Line1",      Kind::Line,             1,        "",                       90,   1125, 4950, 15,    nullptr, Grey,      kNoColour, kNoTab, nullptr},
    {"Label1",     Kind::Label,            kNoIndex, "A cura degli sviluppatori di Valutrino. Scrivete a info@example.org oppure www.example.org.",
                                                                               120,  1320, 3495, 855,   nullptr, kNoColour, Beige,     4,      nullptr,                   Align::Left, true},
};
// clang-format on

constexpr WindowLayout kLayout{
    .name = "frmAbout",
    .caption = "",
    .border = Border::FixedDialog,
    .clientWidth = 5175,
    .clientHeight = 2340,
    .backColour = Beige,
    .icon = "euro-coin",
    .controls = kControls,
    .placed = true,
    .screenLeft = 2190,
    .screenTop = 3090,
    .defaultButton = "cmdOK",
    .cancelButton = "cmdOK",
};

} // namespace

const WindowLayout &frmAbout::Layout()
{
    return kLayout;
}
