#pragma once

#include <memory>

#include "runtime/web/dom.h"
#include "runtime/window.h"

namespace runtime::web {

// Handles an event of the page; once no handler runs any more, unloaded
// windows go and an end asked for shows.
void dispatch(int id, What what);
// Keeps an unloaded window until the handler running now has returned.
void keepUntilHandlerReturns(std::unique_ptr<Window> window);

} // namespace runtime::web
