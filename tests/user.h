#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/message_box.h"
#include "runtime/types.h"

// A control as the user finds it: in which window (the window's name, such
// as "Form1"), by name and index.
struct Ref {
    std::string_view window;
    std::string_view name;
    runtime::Index index = runtime::kNoIndex;
};

enum class Key { Tab, Enter, Escape, Delete, SelectAll, NumpadDecimal };

struct Point {
    int x, y;
    bool operator==(const Point &) const = default;
};

// The user of the program, as each backend lets the tests act it out: real
// key presses and mouse clicks in, what the screen shows out. Every input
// returns once the events it caused have been handled.
class User {
public:
    struct Message {
        std::string prompt;
        std::string title;
        runtime::MsgBoxIcon icon;
    };

    virtual ~User() = default;

    // Waits until the window is shown and active.
    virtual void waitUntilShown(std::string_view window) = 0;

    // A mouse click on a control: a button, an option button, a text box.
    virtual void click(Ref control) = 0;
    // A menu item chosen from the menu bar with the mouse.
    virtual void chooseMenu(std::string_view window, std::string_view item) = 0;
    // Characters typed, one key press each, into the control with the focus.
    virtual void type(std::string_view text) = 0;
    // A key pressed on the control with the focus (SelectAll is Ctrl+A).
    virtual void press(Key key) = 0;
    // Alt and a letter, in the active window.
    virtual void pressAlt(char letter) = 0;
    // Text put on the clipboard, then Ctrl+V in the control with the focus.
    virtual void paste(std::string_view text) = 0;
    // The title bar's close button.
    virtual void close(std::string_view window) = 0;

    // Whether a window of that name is loaded and shown, and how many are.
    virtual int openWindows(std::string_view window) = 0;
    virtual std::string title(std::string_view window) = 0;
    // The client area in pixels, and its top-left corner on the screen.
    virtual Point clientSize(std::string_view window) = 0;
    virtual Point clientOrigin(std::string_view window) = 0;
    // The colour drawn at a pixel of the client area, as 0x00BBGGRR.
    virtual runtime::Colour pixel(std::string_view window, Point at) = 0;

    // A box's text, or the caption a label or button shows (with its "&").
    virtual std::string text(Ref control) = 0;
    virtual runtime::Colour foreColour(Ref control) = 0;
    virtual bool bold(Ref control) = 0;
    // The face its text is drawn in.
    virtual std::string fontFace(Ref control) = 0;
    virtual bool selected(Ref control) = 0;
    virtual bool locked(Ref control) = 0;
    // What a screen reader says the control with the focus is.
    virtual std::string accessibleName() = 0;
    // The control with the keyboard focus, as "Text1" or "Command1(8)"; "" when none.
    virtual std::string focused() = 0;

    // Runs the program's events until it ends; false when it did not end
    // within the time given.
    virtual bool programEnds(std::chrono::milliseconds within) = 0;

    // Every message box is answered with OK as soon as it shows and is
    // recorded here; onMessage runs while the box is up.
    std::vector<Message> messages;
    std::function<void()> onMessage;
};

// The backend's user, made once per test program.
User &user();
