#pragma once

#include <windows.h>

#include "runtime/win32/system_library.h"

namespace runtime::win32 {

// A function of a system DLL, looked up at run time: nullptr where this
// system lacks it.
template <class Function> Function loadFunction(const wchar_t *library, const char *name)
{
    HMODULE module = loadSystemLibrary(library);
    // void (*)() stands for any function.
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

} // namespace runtime::win32
