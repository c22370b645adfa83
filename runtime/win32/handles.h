#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace runtime::win32 {

// Owners of the handles a window makes, released with the window.
template <class Handle, auto Release> struct Releaser {
    void operator()(Handle handle) const { Release(handle); }
};
template <class Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Handle, Release>>;

inline void deleteGdiObject(HGDIOBJ object)
{
    DeleteObject(object);
}

using FontHandle = Owned<HFONT, deleteGdiObject>;
using BrushHandle = Owned<HBRUSH, deleteGdiObject>;
using BitmapHandle = Owned<HBITMAP, deleteGdiObject>;
using IconHandle = Owned<HICON, DestroyIcon>;
using MemoryDc = Owned<HDC, DeleteDC>;

} // namespace runtime::win32
