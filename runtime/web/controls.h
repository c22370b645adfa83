#pragma once

#include <memory>

#include "runtime/layout.h"
#include "runtime/web/dom.h"

namespace runtime::web {

// The control of a row of the layout, under the id its element will have on
// the page; a runtime::Control of the kind the windows expect, except for a
// picture or a line, which they never ask for.
std::unique_ptr<Receiver> makeControl(const ControlLayout &row);

} // namespace runtime::web
