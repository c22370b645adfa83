#pragma once

#include <memory>

#include "runtime/window.h"

namespace runtime::qt {

// Keeps an unloaded window until the handler running now has returned, and
// at the latest until the toolkit goes.
void keepUntilHandlerReturns(std::unique_ptr<Window> window);

// Windows made and gone: the first one made while none is left starts the
// program again, as after an end that no run() has seen.
void windowMade();
void windowGone();

} // namespace runtime::qt
