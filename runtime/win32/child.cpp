#include "runtime/win32/child.h"

#include "runtime/win32/text.h"

namespace runtime::win32 {

COLORREF colorRef(Colour colour, int systemDefault)
{
    if (colour == kNoColour)
        return GetSysColor(systemDefault);
    // The window frame was black in the schemes the layout was drawn with;
    // today's schemes make it a grey, lighter still under Wine, that the
    // green amount would not stand out on.
    if (colour == 0x80000000u + COLOR_WINDOWFRAME)
        return RGB(0, 0, 0);
    if (colour & 0x80000000u)
        return GetSysColor(int(colour & 0xFF));
    return colour;
}

Child::Child(const ControlLayout &row, HWND hwnd) : row_(row), hwnd_(hwnd)
{
    SetPropW(hwnd_, kLayoutProperty, const_cast<ControlLayout *>(&row_));
}

HWND createChild(const wchar_t *className, const ControlLayout &row, DWORD style, DWORD exStyle, HWND parent, int id)
{
    // Placed and given a font by the window, at its DPI.
    return CreateWindowExW(exStyle, className, widen(row.caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
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
