// The user of the window tests on Win32: input posted to the controls as the
// system delivers it (mouse buttons, keys, characters, menu commands), and
// what the windows show read back through the Win32 API. It also holds the
// window tests' main, which sets up the toolkit first.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "win32_user.h"

#include <oleacc.h>

#include <chrono>
#include <cwctype>

#include "runtime/program.h"
#include "runtime/win32/application.h"
#include "runtime/win32/child.h"
#include "runtime/win32/text.h"

using runtime::win32::kLayoutProperty;
using runtime::win32::narrow;
using runtime::win32::widen;
using runtime::win32::windowText;

namespace {

constexpr UINT kHandled = WM_APP;  // every message posted before it is handled
constexpr UINT kMessageBox = WM_APP + 1;

std::wstring className(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> shownWindows(std::string_view name)
{
    struct Search {
        std::wstring name;
        std::vector<HWND> found;
    } search{widen(name), {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto &search = *reinterpret_cast<Search *>(data);
            if (IsWindowVisible(window) && className(window) == search.name)
                search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const runtime::ControlLayout *rowOf(HWND control)
{
    return control ? static_cast<const runtime::ControlLayout *>(GetPropW(control, kLayoutProperty)) : nullptr;
}

class Win32User final : public User {
public:
    Win32User()
    {
        WNDCLASSEXW driverClass{};
        driverClass.cbSize = sizeof driverClass;
        driverClass.lpfnWndProc = driverProc;
        driverClass.hInstance = GetModuleHandleW(nullptr);
        driverClass.lpszClassName = L"Valutrino.TestUser";
        RegisterClassExW(&driverClass);
        driver_ = CreateWindowExW(0, driverClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        // Every message box is answered as soon as it is activated.
        hook_ = SetWindowsHookExW(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
        instance_ = this;
    }
    ~Win32User() override
    {
        UnhookWindowsHookEx(hook_);
        DestroyWindow(driver_);
    }

    void waitUntilShown(std::string_view window) override
    {
        quit_ = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            settle();
            const auto shown = shownWindows(window);
            if (!shown.empty() && GetActiveWindow() == shown.front())
                return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        FAIL_CHECK("the window " << window << " was not shown");
    }

    void click(Ref control) override
    {
        HWND target = controlWindow(control);
        activate(GetAncestor(target, GA_ROOT));
        RECT box;
        GetClientRect(target, &box);
        const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        PostMessageW(target, WM_LBUTTONUP, 0, centre);
        settle();
    }

    // What the menu sends its window once the item is clicked in it.
    void chooseMenu(std::string_view window, std::string_view item) override
    {
        HWND target = shownWindow(window);
        activate(target);
        HMENU bar = GetMenu(target);
        for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
            HMENU popup = GetSubMenu(bar, menu);
            for (int position = 0; position < GetMenuItemCount(popup); ++position) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_DATA | MIIM_ID | MIIM_STATE;
                GetMenuItemInfoW(popup, position, TRUE, &info);
                const auto *row = reinterpret_cast<const runtime::MenuItemLayout *>(info.dwItemData);
                if (row && item == row->name && !(info.fState & MFS_DISABLED)) {
                    PostMessageW(target, WM_COMMAND, MAKEWPARAM(info.wID, 0), 0);
                    settle();
                    return;
                }
            }
        }
        FAIL_CHECK("no menu item " << item << " in " << window);
    }

    void type(std::string_view text) override
    {
        for (const wchar_t character : widen(text)) {
            PostMessageW(GetFocus(), WM_CHAR, character, 1);
            settle();
        }
    }

    void press(Key key) override
    {
        switch (key) {
        case Key::Tab:
            return pressKey(VK_TAB);
        case Key::Enter:
            return pressKey(VK_RETURN);
        case Key::Escape:
            return pressKey(VK_ESCAPE);
        case Key::Delete:
            return pressKey(VK_DELETE);
        case Key::SelectAll:
            return pressKey('A', true);
        case Key::NumpadDecimal:
            return pressKey(VK_DECIMAL);
        }
    }

    // The character of Alt and a letter, as TranslateMessage makes it.
    void pressAlt(char letter) override
    {
        HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        PostMessageW(target, WM_SYSCHAR, std::towlower(wchar_t(letter)), 1 | (1 << 29));
        settle();
    }

    void paste(std::string_view text) override
    {
        const std::wstring wide = widen(text);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t *>(GlobalLock(memory)));
        GlobalUnlock(memory);
        OpenClipboard(driver_);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        pressKey('V', true);
    }

    void close(std::string_view window) override
    {
        PostMessageW(shownWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
        settle();
    }

    int openWindows(std::string_view window) override
    {
        settle();
        return int(shownWindows(window).size());
    }

    std::string title(std::string_view window) override { return narrow(windowText(shownWindow(window))); }

    Point clientSize(std::string_view window) override
    {
        RECT client;
        GetClientRect(shownWindow(window), &client);
        return {client.right, client.bottom};
    }

    Point clientOrigin(std::string_view window) override
    {
        POINT origin{0, 0};
        ClientToScreen(shownWindow(window), &origin);
        return {origin.x, origin.y};
    }

    // Read from the window's own drawing, its controls included, copied
    // once for all the pixels read until the next input.
    runtime::Colour pixel(std::string_view window, Point at) override
    {
        HWND target = shownWindow(window);
        if (snapshotOf_ != target) {
            RedrawWindow(target, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            RECT client;
            GetClientRect(target, &client);
            snapshotWidth_ = client.right;
            snapshot_.assign(std::size_t(client.right) * client.bottom, 0);
            BITMAPINFO format{};
            format.bmiHeader = {sizeof format.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void *bits = nullptr;
            HBITMAP copy = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
            HDC memory = CreateCompatibleDC(nullptr);
            const HGDIOBJ previous = SelectObject(memory, copy);
            HDC dc = GetDCEx(target, nullptr, DCX_CACHE); // not clipped by the children
            BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
            ReleaseDC(target, dc);
            GdiFlush();
            std::copy_n(static_cast<const std::uint32_t *>(bits), snapshot_.size(), snapshot_.data());
            SelectObject(memory, previous);
            DeleteDC(memory);
            DeleteObject(copy);
            snapshotOf_ = target;
        }
        // A DIB holds 0x00RRGGBB, the layout's colours 0x00BBGGRR.
        const std::uint32_t rgb = snapshot_.at(std::size_t(at.y) * snapshotWidth_ + at.x);
        return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }

    std::string text(Ref control) override { return narrow(windowText(controlWindow(control))); }

    // The colour the window gives the control to draw its text with.
    runtime::Colour foreColour(Ref control) override
    {
        HWND target = controlWindow(control);
        const bool editable = className(target) == L"Edit" && !(GetWindowLongPtrW(target, GWL_STYLE) & ES_READONLY);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(target), editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(target));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }

    bool bold(Ref control) override
    {
        LOGFONTW font{};
        GetObjectW(HFONT(SendMessageW(controlWindow(control), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfWeight >= FW_BOLD;
    }

    bool selected(Ref control) override { return SendMessageW(controlWindow(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool locked(Ref control) override { return GetWindowLongPtrW(controlWindow(control), GWL_STYLE) & ES_READONLY; }

    std::string accessibleName(Ref control) override
    {
        IAccessible *accessible = nullptr;
        if (FAILED(AccessibleObjectFromWindow(controlWindow(control), DWORD(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void **>(&accessible))))
            return {};
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        std::string said;
        if (accessible->get_accName(self, &name) == S_OK && name)
            said = narrow(name);
        SysFreeString(name);
        accessible->Release();
        return said;
    }

    std::string focused() override
    {
        const runtime::ControlLayout *row = rowOf(GetFocus());
        if (!row)
            return {};
        std::string name = row->name;
        if (row->index != runtime::kNoIndex)
            name += "(" + std::to_string(row->index) + ")";
        return name;
    }

    bool programEnds(std::chrono::milliseconds within) override
    {
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (!quit_) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(left.count()), QS_ALLINPUT);
            pump();
        }
        return std::exchange(quit_, false);
    }

private:
    static LRESULT CALLBACK driverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kHandled) {
            *reinterpret_cast<bool *>(lParam) = true;
            return 0;
        }
        if (message == kMessageBox) {
            instance_->answer(reinterpret_cast<HWND>(wParam));
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    static LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && className(reinterpret_cast<HWND>(wParam)) == L"#32770")
            PostMessageW(instance_->driver_, kMessageBox, wParam, 0);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // Records the box's title, prompt and icon, lets the test look while it
    // is up, then presses OK.
    void answer(HWND box)
    {
        if (!IsWindow(box) || box == answered_)
            return;
        answered_ = box;
        Message shown{{}, narrow(windowText(box)), runtime::MsgBoxIcon::None};
        for (HWND part = GetWindow(box, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
            if (className(part) != L"Static" || !IsWindowVisible(part))
                continue;
            if ((GetWindowLongPtrW(part, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                const auto icon = HICON(SendMessageW(part, STM_GETICON, 0, 0));
                // Any other icon is recorded as neither of the two the program uses.
                if (icon)
                    shown.icon = icon == LoadIconW(nullptr, IDI_ERROR) ? runtime::MsgBoxIcon::Critical : runtime::MsgBoxIcon(-1);
            } else if (GetWindowTextLengthW(part) > 0) {
                shown.prompt = narrow(windowText(part));
            }
        }
        messages.push_back(shown);
        if (onMessage)
            onMessage();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

    void activate(HWND window)
    {
        if (GetActiveWindow() != window) {
            SetForegroundWindow(window);
            SetActiveWindow(window);
        }
    }

    // A key's down and up posted to the focus; with control, Ctrl is held.
    void pressKey(UINT key, bool control = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        const BYTE before = keys[VK_CONTROL];
        keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        const bool extended = key == VK_DELETE;
        const LPARAM down = 1 | (LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16) | (LPARAM(extended) << 24);
        HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        PostMessageW(target, WM_KEYDOWN, key, down);
        PostMessageW(target, WM_KEYUP, key, down | 0xC0000000);
        settle();
        keys[VK_CONTROL] = keys[VK_LCONTROL] = before;
        SetKeyboardState(keys);
    }

    // Handles every message posted so far, and the ones those post in turn.
    void settle()
    {
        snapshotOf_ = nullptr;
        for (int round = 0; round < 3; ++round) {
            bool handled = false;
            PostMessageW(driver_, kHandled, 0, reinterpret_cast<LPARAM>(&handled));
            while (!handled) {
                if (!pump())
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
        }
    }

    bool pump()
    {
        MSG message;
        bool any = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (message.message == WM_QUIT)
                quit_ = true;
            else
                runtime::win32::dispatch(message);
        }
        return any;
    }

    static inline Win32User *instance_ = nullptr;
    HWND driver_ = nullptr;
    HHOOK hook_ = nullptr;
    HWND answered_ = nullptr;
    bool quit_ = false;
    HWND snapshotOf_ = nullptr;
    int snapshotWidth_ = 0;
    std::vector<std::uint32_t> snapshot_;
};

} // namespace

HWND shownWindow(std::string_view name)
{
    const auto shown = shownWindows(name);
    REQUIRE_MESSAGE(!shown.empty(), "no window " << name << " is shown");
    return shown.front();
}

HWND controlWindow(Ref control)
{
    HWND window = shownWindow(control.window);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (const runtime::ControlLayout *row = rowOf(child); row && control.name == row->name && control.index == row->index)
            return child;
    FAIL("no control " << control.name << "(" << control.index << ") in " << control.window);
    return nullptr;
}

User &user()
{
    static Win32User theUser;
    return theUser;
}

int main(int argc, char **argv)
{
    runtime::Application application(argc, argv);
    doctest::Context context(argc, argv);
    return context.run();
}
