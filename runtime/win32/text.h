#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace runtime::win32 {

// The contract's texts are UTF-8, the system's UTF-16.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

std::wstring windowText(HWND window);

} // namespace runtime::win32
