#pragma once

#include <windows.h>

#include "runtime/layout.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// The system's standard dialog font, for controls without a font of their own.
inline constexpr Font kDefaultFont{"MS Sans Serif", 8, false};

// The layout's font at dpi, or the nearest one installed.
FontHandle createFont(const Font &font, UINT dpi);

} // namespace runtime::win32
