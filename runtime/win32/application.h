#pragma once

#include <windows.h>

namespace runtime::win32 {

// The hidden top-level window of the program: it owns the About window, so
// that this has no taskbar entry yet outlives the converter's window.
HWND hiddenOwner();

// One message of the loop, as Application::run handles it: the dialog
// manager's keyboard for the window it is meant for, the numeric keypad's
// decimal key typing a point.
void dispatch(MSG &message);

} // namespace runtime::win32
