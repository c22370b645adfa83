#pragma once

#include <windows.h>

namespace runtime::win32 {

// The hidden top-level window of the program: it owns the About window, so
// that this has no taskbar entry yet outlives the converter's window.
HWND hiddenOwner();

// One message of the loop, as the toolkit's run() handles it: the dialog
// manager's keyboard for the window it is meant for, the numeric keypad's
// decimal key typing what its text box was told to.
void dispatch(MSG &message);

// The property on a text box's window that points at its runtime::TextBox.
inline constexpr const wchar_t *kTextBoxProperty = L"Valutrino.TextBox";

} // namespace runtime::win32
