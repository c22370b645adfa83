#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/layout.h"

namespace runtime {

class Control;

// A loaded window with its controls, as a backend makes it from a layout.
class Window {
public:
    virtual ~Window() = default;

    // The control or menu item of that name and index; nullptr when none.
    Control *find(std::string_view name, Index index) const
    {
        for (const Named &named : controls_)
            if (named.name == name && named.index == index)
                return named.control;
        return nullptr;
    }
    virtual void setCaption(std::string_view caption) = 0;
    // Shows the window without blocking and brings it to the front.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Unloaded, and destroyed soon: from now on nothing in it raises an
    // event, and nobody finds it by its name.
    virtual void retire() = 0;

protected:
    // Backend: what the windows may find, as it makes each control.
    void named(std::string name, Index index, Control &control)
    {
        controls_.push_back({std::move(name), index, &control});
    }

private:
    struct Named {
        std::string name;
        Index index;
        Control *control;
    };
    std::vector<Named> controls_;
};

} // namespace runtime
