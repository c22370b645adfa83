#pragma once

#include <windows.h>

#include <string>

namespace runtime::win32 {

// What a screen reader says a control is, through MSAA.
void setAccessibleName(HWND control, const std::wstring &name);

} // namespace runtime::win32
