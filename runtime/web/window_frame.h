#pragma once

#include <memory>

#include "runtime/web/dom.h"
#include "runtime/window.h"

namespace runtime {
class Form;
}

namespace runtime::web {

// A window of the layout as a frame on the page.
std::unique_ptr<Window> makeWindow(const WindowLayout &layout, Form &form);
// Handles an event of the page, then what was posted meanwhile; true when
// the receiver did what the browser would have done by default.
bool dispatch(int id, What what);

} // namespace runtime::web
