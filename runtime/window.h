#pragma once

#include <memory>
#include <string_view>

#include "runtime/layout.h"

namespace runtime {

class Control;
class Form;

// A loaded window with its controls, as a backend makes it from a layout.
class Window {
public:
    virtual ~Window() = default;

    // The control or menu item of that name and index; nullptr when none.
    virtual Control *find(std::string_view name, Index index) = 0;
    virtual void setCaption(std::string_view caption) = 0;
    // Shows the window without blocking and brings it to the front.
    virtual void show() = 0;
    virtual void hide() = 0;
};

// What each backend implements. The window's close button unloads form.
std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form);
// Destroys a window once the handler running now has returned: unloading is
// often asked by a handler of the window itself.
void destroyLater(std::unique_ptr<Window> window);

} // namespace runtime
