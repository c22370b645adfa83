#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/controls.h"
#include "runtime/layout.h"
#include "runtime/window.h"

namespace runtime {

// A window's code named a control its layout does not have.
class MissingControl : public std::logic_error {
public:
    MissingControl(std::string_view window, std::string_view name, Index index);

    const std::string name;
    const Index index;
};

// A window object that outlives its window. Loading makes the window from
// the layout with its controls and runs Form_Load; unloading destroys the
// window but keeps the object, so that it can be loaded again.
class Form {
public:
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    bool isLoaded() const { return window_ != nullptr; }
    Window *window() const { return window_.get(); }
    const WindowLayout &layout() const { return layout_; }

    void load();
    // Visible = True: loads the window if needed and shows it without blocking.
    void show();
    void unload();
    void setCaption(std::string_view caption) { window_->setCaption(caption); }

protected:
    explicit Form(const WindowLayout &layout) : layout_(layout) {}

    // Finds the window's controls and connects their handlers.
    virtual void bind() = 0;
    virtual void Form_Load() {}

    template <class T> T &control(std::string_view name) const { return found<T>(name, kNoIndex); }
    template <class T> ControlArray<T> controlArray(std::string_view name) const
    {
        ControlArray<T> array;
        for (const ControlLayout &row : layout_.controls)
            if (name == row.name)
                array.add(row.index, found<T>(name, row.index));
        return array;
    }

private:
    template <class T> T &found(std::string_view name, Index index) const
    {
        Control *found = window_->find(name, index);
        if (!found)
            throw MissingControl(layout_.name, name, index);
        return dynamic_cast<T &>(*found);
    }

    const WindowLayout &layout_;
    std::unique_ptr<Window> window_;
};

} // namespace runtime
