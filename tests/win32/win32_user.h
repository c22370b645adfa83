#pragma once

#include <windows.h>

#include "user.h"

// The Win32 user's own look-ups, for the Windows-only tests: the window of
// that layout name shown by this program, and a control's child window.
HWND shownWindow(std::string_view name);
HWND controlWindow(Ref control);
