#include "runtime/win32/window.h"

#include <algorithm>

#include "runtime/appearance.h"
#include "runtime/form.h"
#include "runtime/win32/accessible_name.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/fonts.h"
#include "runtime/win32/text.h"
#include "runtime/win32/toolkit.h"

namespace runtime::win32 {

namespace {

// Controls and menu items are told apart from IDOK and IDCANCEL, which the
// dialog manager sends for Enter and Esc.
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;

DWORD style(Border border)
{
    // Neither can be resized or maximised.
    return border == Border::FixedSingle ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN
                                         : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD exStyle(Border border)
{
    return border == Border::FixedSingle ? 0 : WS_EX_DLGMODALFRAME;
}

// Each window's class is its layout's name, as tests and tools look for it.
const wchar_t *registerClass(const std::wstring &name, WNDPROC windowProc)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &windowClass)) {
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name.c_str();
        RegisterClassExW(&windowClass);
    }
    return name.c_str();
}

bool focusable(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::OptionButton || kind == Kind::CommandButton;
}

// The caption as a screen reader should say it, without its "&".
std::wstring spoken(const ControlLayout &row)
{
    std::wstring name = widen(row.accessibleName ? row.accessibleName : row.caption);
    std::erase(name, L'&');
    return name;
}

} // namespace

Win32Window::Win32Window(const WindowLayout &layout, Form &form, const Identity &identity)
    : layout_(layout), form_(form), identity_(identity), background_(CreateSolidBrush(colorRef(layout.backColour, COLOR_3DFACE)))
{
    const std::wstring className = widen(layout.name);
    HWND owner = layout.border == Border::FixedDialog ? hiddenOwner() : nullptr;
    HMENU menu = layout.menus.empty() ? nullptr : CreateMenu();
    for (const MenuLayout &row : layout.menus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuItemLayout &item : row.items) {
            const UINT id = kFirstMenuId + UINT(menuItems_.size());
            AppendMenuW(popup, MF_STRING, id, widen(item.caption).c_str());
            // Tests and tools find an item by its row of the layout.
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
            SetMenuItemInfoW(popup, id, FALSE, &info);
            menuItems_.push_back(std::make_unique<MenuItem>());
            named(item.name, kNoIndex, *menuItems_.back());
        }
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(row.caption).c_str());
    }
    CreateWindowExW(exStyle(layout.border), registerClass(className, windowProc), widen(layout.caption).c_str(),
                    style(layout.border), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, menu,
                    GetModuleHandleW(nullptr), this);
    SetPropW(hwnd_, kLayoutProperty, const_cast<WindowLayout *>(&layout_));
    dpi_ = windowDpi(hwnd_);
    makeControls(); // in place at dpi_
    layOut(dpi_);
    if (layout.placed)
        placeOnScreen(menu != nullptr);
}

// A fixed place is measured from the top-left corner of the screen that
// shows the active window (the converter, when it opens the About window),
// at that screen's DPI.
void Win32Window::placeOnScreen(bool menu)
{
    HMONITOR monitor = MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(monitor, &screen);
    const UINT dpi = monitorDpi(monitor);
    RECT frame{0, 0, 0, 0};
    adjustWindowRect(frame, style(layout_.border), menu, exStyle(layout_.border), dpi);
    SetWindowPos(hwnd_, nullptr, screen.rcMonitor.left + pixels(layout_.screenLeft, int(dpi)) + frame.left,
                 screen.rcMonitor.top + pixels(layout_.screenTop, int(dpi)) + frame.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (windowDpi(hwnd_) != dpi_)
        layOut(windowDpi(hwnd_));
}

Win32Window::~Win32Window()
{
    // No event may run while the window goes: losing the focus, say. The
    // controls' windows go with it, before the controls themselves.
    retired_ = true;
    DestroyWindow(hwnd_);
}

void Win32Window::makeControls()
{
    // Created in tab order: the dialog manager's Tab follows the order of
    // the child windows.
    bool afterOption = false;
    for (const std::size_t i : tabOrder(layout_)) {
        const ControlLayout &row = layout_.controls[i];
        const int id = kFirstControlId + int(i);
        std::unique_ptr<Child> made;
        switch (row.kind) {
        case Kind::TextBox:
            made = makeTextBox(row, hwnd_, id);
            break;
        case Kind::OptionButton:
            made = makeOptionButton(row, hwnd_, id, options_);
            break;
        case Kind::CommandButton:
            made = makeCommandButton(row, hwnd_, id, layout_.defaultButton && std::string_view(layout_.defaultButton) == row.name);
            break;
        case Kind::Label:
            made = makeLabel(row, hwnd_, id, layout_.backColour);
            break;
        case Kind::Picture:
        case Kind::StretchedPicture:
            made = makePicture(row, hwnd_, id, identity_);
            break;
        case Kind::Line:
            made = makeLine(row, hwnd_, id);
            break;
        }
        // A run of option buttons is one group; every other control is a
        // group of its own, so that the arrow keys stay within the run.
        const bool option = row.kind == Kind::OptionButton;
        if (!(option && afterOption))
            SetWindowLongPtrW(made->hwnd(), GWL_STYLE, GetWindowLongPtrW(made->hwnd(), GWL_STYLE) | WS_GROUP);
        afterOption = option;
        if (row.accessibleName || focusable(row.kind))
            setAccessibleName(made->hwnd(), spoken(row));
        if (runtime::Control *control = made->control())
            named(row.name, row.index, *control);
        children_.push_back(std::move(made));
    }
}

void Win32Window::layOut(UINT dpi)
{
    const bool moved = dpi != dpi_; // the children are made in place at dpi_
    dpi_ = dpi;
    // The new fonts are in place before the old ones go.
    FontHandle defaultFont = createFont(kDefaultFont, dpi);
    std::map<const Font *, FontHandle> fonts;
    for (const auto &made : children_) {
        const ControlLayout &row = made->row();
        HFONT font = defaultFont.get();
        if (row.font) {
            auto &own = fonts[row.font];
            if (!own)
                own = createFont(*row.font, dpi);
            font = own.get();
        }
        if (moved) {
            const RECT place = placement(row, dpi);
            SetWindowPos(made->hwnd(), nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SendMessageW(made->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    defaultFont_ = std::move(defaultFont);
    fonts_ = std::move(fonts);

    // A dialog frame shows no icon of its own: both are set explicitly, and
    // the old ones go only once the window holds the new ones.
    IconHandle bigIcon = loadIcon(identity_, layout_.icon, systemMetric(SM_CXICON, dpi));
    IconHandle smallIcon = loadIcon(identity_, layout_.icon, systemMetric(SM_CXSMICON, dpi));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    bigIcon_ = std::move(bigIcon);
    smallIcon_ = std::move(smallIcon);

    const SIZE wanted{px(layout_.clientWidth), px(layout_.clientHeight)};
    RECT frame{0, 0, wanted.cx, wanted.cy};
    adjustWindowRect(frame, style(layout_.border), GetMenu(hwnd_) != nullptr, exStyle(layout_.border), dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps, or a frame drawn by someone else (Wine under
    // an X window manager), gives another client area: mend it by the
    // difference.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.right != wanted.cx || client.bottom != wanted.cy)
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + wanted.cx - client.right,
                     frame.bottom - frame.top + wanted.cy - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Window::setCaption(std::string_view caption)
{
    SetWindowTextW(hwnd_, widen(caption).c_str());
}

void Win32Window::show()
{
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Win32Window::hide()
{
    ShowWindow(hwnd_, SW_HIDE);
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *window = static_cast<Win32Window *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto *window = reinterpret_cast<Win32Window *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!window || window->retired_)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
        const auto *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        if (Child *drawn = child(item->hwndItem))
            drawn->draw(*item);
        return TRUE;
    }
    case WM_ERASEBKGND:
        onEraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam), HIWORD(wParam) != 0);
        return 0;
    case WM_SETFOCUS:
        onActivate(WA_ACTIVE, false);
        return 0;
    case WM_CLOSE:
        form_.unload();
        return 0;
    case WM_DPICHANGED: // from Windows 8.1 on, moved to a screen of another scale
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case DM_GETDEFID:
        // The dialog manager asks which button Enter presses.
        for (const auto &made : children_)
            if (layout_.defaultButton && std::string_view(layout_.defaultButton) == made->row().name)
                return MAKELRESULT(GetDlgCtrlID(made->hwnd()), DC_HASDEFID);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32Window::onCommand(WORD id, WORD code)
{
    // Esc reaches the window as IDCANCEL; Enter, without a default button,
    // as IDOK, which presses nothing.
    if (id == IDCANCEL) {
        for (const auto &made : children_)
            if (layout_.cancelButton && std::string_view(layout_.cancelButton) == made->row().name)
                made->command(BN_CLICKED);
        return;
    }
    if (id >= kFirstMenuId && id < kFirstMenuId + menuItems_.size()) {
        menuItems_[id - kFirstMenuId]->Click.raise();
        return;
    }
    if (Child *source = child(GetDlgItem(hwnd_, id)))
        source->command(code);
}

LRESULT Win32Window::onControlColour(UINT message, HDC dc, HWND control)
{
    if (Child *coloured = child(control))
        if (HBRUSH brush = coloured->colours(dc))
            return reinterpret_cast<LRESULT>(brush);
    return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

// The focus comes back to the control that had it when the window was last
// active, as in a dialog; the first time, to the first tab stop.
void Win32Window::onActivate(WORD state, bool minimised)
{
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            lastFocus_ = focus;
    } else if (!minimised) {
        SetFocus(lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : firstTabStop());
    }
}

void Win32Window::onDpiChanged(UINT dpi, const RECT &suggested)
{
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    layOut(dpi);
}

void Win32Window::onEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, background_.get());
}

Child *Win32Window::child(HWND control)
{
    for (const auto &made : children_)
        if (made->hwnd() == control)
            return made.get();
    return nullptr;
}

HWND Win32Window::firstTabStop() const
{
    return GetNextDlgTabItem(hwnd_, nullptr, FALSE);
}

} // namespace runtime::win32

