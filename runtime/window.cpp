#include "runtime/window.h"

#include <utility>

namespace runtime {

Control *Window::find(std::string_view name, Index index) const
{
    for (const Named &named : controls_)
        if (named.name == name && named.index == index)
            return named.control;
    return nullptr;
}

void Window::named(std::string name, Index index, Control &control)
{
    controls_.push_back({std::move(name), index, &control});
}

} // namespace runtime
