#include "converter/Form1.h"

#include "app/colours.h"

namespace {

using namespace colours;
using namespace runtime;

constexpr Font kTimes12Bold{"Times New Roman", 12, true};
constexpr Font kTimes14Bold{"Times New Roman", 14.25, true};
constexpr Font kSans12{"MS Sans Serif", 12, false};

// clang-format off
constexpr ControlLayout kControls[] = {
//   name        kind                 index     caption                                   left   top   width height font           fore       back         tab     accessible name    alignment     wrap   value
    {"Label2",   Kind::Label,         kNoIndex, "Selezionare la valuta da convertire :",  90,    405,  3570, 405,   &kTimes12Bold, Black,     kNoColour,   17,     nullptr},
    {"Option1",  Kind::OptionButton,  kNoIndex, "£",                                      1320,  855,  480,  255,   &kTimes14Bold, DarkGrey,  Beige,       15,     "Lire",            Align::Left,  false, True},
    {"Option2",  Kind::OptionButton,  kNoIndex, "€",                                      2040,  840,  600,  255,   &kTimes14Bold, Black,     Beige,       16,     "Euro"},
    {"Label1",   Kind::Label,         0,        "£",                                      255,   1335, 255,  375,   &kTimes14Bold, Red,       kNoColour,   13,     "Lire",            Align::Right},
    {"Text1",    Kind::TextBox,       kNoIndex, "",                                       615,   1335, 2145, 375,   &kSans12,      Green,     WindowFrame, 0,      "Importo in lire", Align::Right},
    {"Label1",   Kind::Label,         1,        "€",                                      255,   2040, 255,  375,   &kTimes14Bold, Black,     kNoColour,   14,     "Euro",            Align::Right},
    {"Text2",    Kind::TextBox,       kNoIndex, "",                                       615,   2040, 2130, 375,   &kSans12,      Yellow,    Black,       12,     "Importo in euro", Align::Right},
    {"Image1",   Kind::Picture,       kNoIndex, "euro-coin",                              3840,  120,  960,  960,   nullptr,       kNoColour, kNoColour,   kNoTab, "Moneta da un euro"},
    // The keypad: indices have gaps and are not the digits; the caption is.
    {"Command1", Kind::CommandButton, 0,        "1",                                      3000,  1200, 360,  360,   nullptr,       kNoColour, kNoColour,   1,      nullptr},
    {"Command1", Kind::CommandButton, 1,        "2",                                      3480,  1200, 360,  360,   nullptr,       kNoColour, kNoColour,   2,      nullptr},
    {"Command1", Kind::CommandButton, 2,        "3",                                      3960,  1200, 360,  360,   nullptr,       kNoColour, kNoColour,   3,      nullptr},
    {"Command1", Kind::CommandButton, 4,        "4",                                      4440,  1200, 360,  360,   nullptr,       kNoColour, kNoColour,   4,      nullptr},
    {"Command1", Kind::CommandButton, 5,        "5",                                      3000,  1680, 360,  360,   nullptr,       kNoColour, kNoColour,   5,      nullptr},
    {"Command1", Kind::CommandButton, 6,        "6",                                      3480,  1680, 360,  360,   nullptr,       kNoColour, kNoColour,   6,      nullptr},
    {"Command1", Kind::CommandButton, 8,        "7",                                      3960,  1680, 360,  360,   nullptr,       kNoColour, kNoColour,   7,      nullptr},
    {"Command1", Kind::CommandButton, 9,        "8",                                      4440,  1680, 360,  360,   nullptr,       kNoColour, kNoColour,   8,      nullptr},
    {"Command1", Kind::CommandButton, 10,       "9",                                      3000,  2160, 375,  360,   nullptr,       kNoColour, kNoColour,   9,      nullptr},
    {"Command1", Kind::CommandButton, 13,       "0",                                      3465,  2160, 375,  360,   nullptr,       kNoColour, kNoColour,   11,     nullptr},
    {"Command1", Kind::CommandButton, 3,        ".",                                      3960,  2160, 375,  360,   nullptr,       kNoColour, kNoColour,   18,     "Punto decimale"},
    {"Command3", Kind::CommandButton, 12,       "&C",                                     4440,  2160, 360,  375,   nullptr,       kNoColour, kNoColour,   10,     "Cancella"},
};

constexpr MenuItemLayout kFileItems[] = {
    {"info",   "&Info"},
    {"chiudi", "&Chiudi"},
};
// clang-format on

constexpr MenuLayout kMenus[] = {{"file", "&File", kFileItems}};

constexpr WindowLayout kLayout{
    .name = "Form1",
    .caption = "Convertitore",
    .border = Border::FixedSingle,
    .clientWidth = 5250,
    .clientHeight = 2745,
    .backColour = Beige,
    .icon = "euro-coin",
    .controls = kControls,
    .menus = kMenus,
};

} // namespace

const WindowLayout &Form1::Layout()
{
    return kLayout;
}
