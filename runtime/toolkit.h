#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "runtime/layout.h"
#include "runtime/message_box.h"

namespace runtime {

class Form;
class Window;

// A picture the layouts name, and the resources of a Windows program that
// hold it: an icon, and a bitmap three times the icon's largest size.
struct Picture {
    const char *name;
    const char *iconResource;
    const char *largeResource;
};

// What the program is called and shows of itself, given by the program to
// whichever backend it is built on.
struct Identity {
    const char *title;     // message boxes show it when given none
    const char *desktopId; // the desktop entry that launches it, where there is one
    const char *version;
    const char *icon; // a picture's name: the program's icon
    std::span<const Picture> pictures;
};

// The user's regional separators for formatted amounts, as UTF-8.
struct Separators {
    std::string group;
    std::string decimal;
};

// What a backend does for the shared runtime, and nothing more: one per
// program, made by the backend's makeToolkit and held by the Application.
class Toolkit {
public:
    explicit Toolkit(const Identity &identity) : identity(identity) {}
    virtual ~Toolkit() = default;

    // A loaded window with the layout's controls; its close button unloads form.
    virtual std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form) = 0;
    // Modal, owned by the program's active window; returns once dismissed.
    virtual void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title) = 0;
    // Waits for events until quit() and gives the exit code.
    virtual int run() = 0;
    // Makes a run() now or later return with exit code 0.
    virtual void quit() = 0;
    // Takes back a quit() that no run() has returned for yet.
    virtual void cancelQuit() = 0;
    // Runs task once the handler running now has returned.
    virtual void post(std::function<void()> task) = 0;
    // Read from the user's settings, not a fixed locale.
    virtual Separators userSeparators() = 0;
    // A colour of the user's display scheme, by its Windows index (COLOR_*).
    virtual Colour systemColour(int index) = 0;

    const Identity &identity;
};

// Each backend defines it.
std::unique_ptr<Toolkit> makeToolkit(int &argc, char **argv, const Identity &identity);

} // namespace runtime
