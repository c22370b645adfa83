#pragma once

#include <memory>

#include "runtime/window.h"

namespace runtime::qt {

// Keeps an unloaded window until the handler running now has returned, and
// at the latest until the toolkit goes.
void keepUntilHandlerReturns(std::unique_ptr<Window> window);

} // namespace runtime::qt
