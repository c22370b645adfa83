#pragma once

#include <windows.h>

#include "runtime/appearance.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// The layout's font at dpi, or the nearest one installed.
FontHandle createFont(const Font &font, UINT dpi);

} // namespace runtime::win32
