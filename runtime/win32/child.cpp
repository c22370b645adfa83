#include "runtime/win32/child.h"

#include "runtime/appearance.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {

COLORREF colorRef(Colour colour, int systemDefault)
{
    return colour == kNoColour ? GetSysColor(systemDefault) : drawnColour(colour);
}

Child::Child(const ControlLayout &row, HWND hwnd) : row_(row), hwnd_(hwnd)
{
    SetPropW(hwnd_, kLayoutProperty, const_cast<ControlLayout *>(&row_));
}

RECT placement(const ControlLayout &row, UINT dpi)
{
    const auto px = [dpi](int twips) { return pixels(twips, int(dpi)); };
    // A line is one pixel thick at any scale.
    const int height = row.kind == Kind::Line ? 1 : px(row.height);
    return {px(row.left), px(row.top), px(row.left) + px(row.width), px(row.top) + height};
}

HWND createChild(const wchar_t *className, const ControlLayout &row, DWORD style, DWORD exStyle, HWND parent, int id)
{
    // Made in place rather than moved there: under Wine each move of a
    // child costs the start-up a good part of a millisecond.
    const RECT place = placement(row, windowDpi(parent));
    return CreateWindowExW(exStyle, className, widen(row.caption).c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
}

void OptionGroup::select(HWND button)
{
    for (HWND member : buttons_)
        SendMessageW(member, BM_SETCHECK, member == button ? BST_CHECKED : BST_UNCHECKED, 0);
    updateTabStop();
}

void OptionGroup::clear(HWND button)
{
    SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    HWND stop = nullptr;
    for (HWND member : buttons_)
        if (SendMessageW(member, BM_GETCHECK, 0, 0) == BST_CHECKED)
            stop = member;
    if (!stop && !buttons_.empty())
        stop = buttons_.front();
    for (HWND member : buttons_) {
        const LONG_PTR style = GetWindowLongPtrW(member, GWL_STYLE);
        SetWindowLongPtrW(member, GWL_STYLE, member == stop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

} // namespace runtime::win32
