#pragma once

#include <memory>

#include "runtime/window.h"

namespace runtime {
class Form;
}

namespace runtime::qt {

std::unique_ptr<Window> makeWindow(const WindowLayout &layout, Form &form);

} // namespace runtime::qt
