#pragma once

#include <span>

#include "runtime/types.h"

namespace runtime {

// A picture shows its image at natural size, a stretched picture fills its
// box; a line runs along the top of its box in its fore colour.
enum class Kind { Label, OptionButton, TextBox, Picture, StretchedPicture, CommandButton, Line };

enum class Align { Left, Right };

struct Font {
    const char *family; // "Times New Roman" or "MS Sans Serif"
    double points;
    bool bold;
};

inline constexpr int kNoTab = -1;

// One row of a window's layout. Geometry in twips from the client area's
// top-left corner; texts in UTF-8, "&" before an access key. A picture's
// caption names the picture ("euro-coin").
struct ControlLayout {
    const char *name;
    Kind kind;
    Index index; // within its control array, or kNoIndex
    const char *caption;
    int left, top, width, height;
    const Font *font; // nullptr: the window's default font, MS Sans Serif 8
    Colour foreColour;
    Colour backColour; // kNoColour: a transparent label, the system's button face
    int tab;           // tab position; option buttons of one window form one group
    const char *accessibleName; // nullptr: the caption says it
    Align alignment = Align::Left;
    // A label that wraps breaks its caption into lines within its width; one
    // that does not draws a single line, clipped at its box.
    bool wrap = false;
    // An option button's Value when it is created.
    Boolean value = False;
};

struct MenuItemLayout {
    const char *name;
    const char *caption;
};

struct MenuLayout {
    const char *name;
    const char *caption;
    std::span<const MenuItemLayout> items;
};

// Fixed single: close and minimise, a taskbar entry. Fixed dialog: a close
// button only, no taskbar entry. Neither can be resized.
enum class Border { FixedSingle, FixedDialog };

struct WindowLayout {
    const char *name; // "Form1"
    const char *caption;
    Border border;
    int clientWidth, clientHeight; // twips
    Colour backColour;
    const char *icon; // a picture's name
    std::span<const ControlLayout> controls;
    std::span<const MenuLayout> menus = {};
    // Where the client area's top-left corner stands on the screen, in twips;
    // with placed false, where the window system puts a new window.
    bool placed = false;
    int screenLeft = 0, screenTop = 0;
    const char *defaultButton = nullptr; // pressed by Enter
    const char *cancelButton = nullptr;  // pressed by Esc
};

} // namespace runtime
