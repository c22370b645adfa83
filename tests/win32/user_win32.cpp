// The user of the window tests on Win32: input posted to the controls as the
// system delivers it, and what the windows show read back through the Win32
// API. It also holds the window tests' main, which sets up the toolkit first.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "win32_user.h"

#include <oleacc.h>

#include <algorithm>
#include <cwctype>

#include "app/identity.h"
#include "runtime/program.h"
#include "runtime/win32/toolkit.h"
#include "runtime/win32/child.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/text.h"

using runtime::win32::narrow;
using runtime::win32::widen;
using runtime::win32::windowText;

namespace {

constexpr UINT kHandled = WM_APP; // every message posted before it is handled
constexpr UINT kMessageBox = WM_APP + 1;

std::wstring className(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// The windows of a layout are of the class of its name.
std::vector<HWND> shownWindows(std::string_view name)
{
    std::vector<HWND> found;
    const std::wstring wide = widen(name);
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, wide.c_str(), nullptr));)
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            found.push_back(window);
    return found;
}

const runtime::ControlLayout *rowOf(HWND control)
{
    return static_cast<const runtime::ControlLayout *>(GetPropW(control, runtime::win32::kLayoutProperty));
}

HWND focusOrActive()
{
    return GetFocus() ? GetFocus() : GetActiveWindow();
}

class Win32User final : public User {
public:
    Win32User()
    {
        WNDCLASSEXW driverClass{};
        driverClass.cbSize = sizeof driverClass;
        driverClass.lpfnWndProc = driverProc;
        driverClass.lpszClassName = L"Valutrino.TestUser";
        RegisterClassExW(&driverClass);
        driver_ = CreateWindowExW(0, driverClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        // A box is answered from the driver's messages, so also from inside its own modal loop.
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
        const auto active = [&] { return IsWindowVisible(GetActiveWindow()) && className(GetActiveWindow()) == widen(window); };
        if (!runUntil(active, std::chrono::seconds(5)))
            FAIL_CHECK("the window " << window << " was not shown");
        settle();
    }

    void click(Ref control) override
    {
        HWND target = controlWindow(control);
        activate(GetAncestor(target, GA_ROOT));
        RECT box;
        GetClientRect(target, &box);
        const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        post(target, WM_LBUTTONUP, 0, centre);
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
                if (row && item == row->name && !(info.fState & MFS_DISABLED))
                    return post(target, WM_COMMAND, info.wID, 0);
            }
        }
        FAIL_CHECK("no menu item " << item << " in " << window);
    }

    void type(std::string_view text) override
    {
        for (const wchar_t character : widen(text))
            post(GetFocus(), WM_CHAR, character, 1);
    }

    void press(Key key) override
    {
        constexpr UINT keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_DELETE, 'A', VK_DECIMAL}; // in Key's order
        pressKey(keys[int(key)], key == Key::SelectAll);
    }

    // The character of Alt and a letter, as TranslateMessage makes it.
    void pressAlt(char letter) override
    {
        post(focusOrActive(), WM_SYSCHAR, std::towlower(wchar_t(letter)), 1 | (1 << 29));
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

    void close(std::string_view window) override { post(shownWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0); }

    int openWindows(std::string_view window) override { settle(); return int(shownWindows(window).size()); }

    std::string title(std::string_view window) override { return narrow(windowText(shownWindow(window))); }

    Point clientSize(std::string_view window) override
    {
        RECT client;
        GetClientRect(shownWindow(window), &client);
        return {client.right, client.bottom};
    }
    Point clientOrigin(std::string_view window) override
    {
        POINT origin{};
        ClientToScreen(shownWindow(window), &origin);
        return {origin.x, origin.y};
    }

    // From the window's own drawing, its controls' included (a cache DC
    // does not clip the children).
    runtime::Colour pixel(std::string_view window, Point at) override
    {
        HWND target = shownWindow(window);
        RedrawWindow(target, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = GetDCEx(target, nullptr, DCX_CACHE);
        const COLORREF colour = GetPixel(dc, at.x, at.y);
        ReleaseDC(target, dc);
        return colour;
    }

    std::string text(Ref control) override { return narrow(windowText(controlWindow(control))); }

    // The colour the window gives the control to draw its text with.
    runtime::Colour foreColour(Ref control) override
    {
        HWND target = controlWindow(control);
        const bool editable = className(target) == L"Edit" && !locked(control);
        const runtime::win32::MemoryDc dc(CreateCompatibleDC(nullptr));
        SendMessageW(GetParent(target), editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, WPARAM(dc.get()), LPARAM(target));
        return GetTextColor(dc.get());
    }

    bool bold(Ref control) override
    {
        LOGFONTW font{};
        GetObjectW(HFONT(SendMessageW(controlWindow(control), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfWeight >= FW_BOLD;
    }

    bool selected(Ref control) override { return SendMessageW(controlWindow(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool locked(Ref control) override { return GetWindowLongPtrW(controlWindow(control), GWL_STYLE) & ES_READONLY; }

    std::string accessibleName() override
    {
        IAccessible *accessible = nullptr;
        if (FAILED(AccessibleObjectFromWindow(GetFocus(), DWORD(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void **>(&accessible))))
            return {};
        VARIANT self{};
        self.vt = VT_I4; // lVal 0: CHILDID_SELF
        BSTR name = nullptr;
        const std::string said = accessible->get_accName(self, &name) == S_OK && name ? narrow(name) : "";
        SysFreeString(name);
        accessible->Release();
        return said;
    }

    std::string focused() override
    {
        const runtime::ControlLayout *row = rowOf(GetFocus());
        if (!row)
            return {};
        return row->index == runtime::kNoIndex ? row->name : row->name + ("(" + std::to_string(row->index) + ")");
    }

    bool programEnds(std::chrono::milliseconds within) override
    {
        const bool ended = runUntil([&] { return quit_; }, within);
        quit_ = false;
        return ended;
    }

private:
    static LRESULT CALLBACK driverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kHandled)
            *reinterpret_cast<bool *>(lParam) = true;
        else if (message == kMessageBox)
            instance_->answer(reinterpret_cast<HWND>(wParam));
        else
            return DefWindowProcW(hwnd, message, wParam, lParam);
        return 0;
    }

    static LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && className(reinterpret_cast<HWND>(wParam)) == L"#32770")
            PostMessageW(instance_->driver_, kMessageBox, wParam, 0);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // Records the box's title, prompt and icon, lets the test look while it
    // is up, then presses OK. A box is activated again once it has shown.
    void answer(HWND box)
    {
        if (!IsWindow(box) || std::exchange(answered_, box) == box)
            return;
        Message shown{{}, narrow(windowText(box)), runtime::MsgBoxIcon::None};
        for (HWND part = GetWindow(box, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
            if (className(part) != L"Static" || !IsWindowVisible(part))
                continue;
            if (const auto icon = HICON(SendMessageW(part, STM_GETICON, 0, 0)))
                // Any other icon is recorded as neither of the two the program uses.
                shown.icon = icon == LoadIconW(nullptr, IDI_ERROR) ? runtime::MsgBoxIcon::Critical : runtime::MsgBoxIcon(-1);
            else if (GetWindowTextLengthW(part) > 0)
                shown.prompt = narrow(windowText(part));
        }
        messages.push_back(shown);
        if (onMessage)
            onMessage();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

    static void activate(HWND window)
    {
        if (GetActiveWindow() == window)
            return;
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }

    // A key's down and up posted to the focus; with control, Ctrl is held.
    void pressKey(UINT key, bool control = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        const LPARAM down = 1 | LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 | LPARAM(key == VK_DELETE) << 24; // extended
        PostMessageW(focusOrActive(), WM_KEYDOWN, key, down);
        post(focusOrActive(), WM_KEYUP, key, down | 0xC0000000);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
        SetKeyboardState(keys);
    }

    // Handles every message posted so far, and the ones those post in turn.
    void settle()
    {
        for (int round = 0; round < 3; ++round) {
            bool handled = false;
            PostMessageW(driver_, kHandled, 0, reinterpret_cast<LPARAM>(&handled));
            runUntil([&] { return handled; }, std::chrono::seconds(10));
        }
    }

    // The program's events, as its own loop would run them, until done.
    bool runUntil(const std::function<bool()> &done, std::chrono::milliseconds within)
    {
        const auto deadline = std::chrono::steady_clock::now() + within;
        for (MSG message; !done();) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            else if (message.message == WM_QUIT)
                quit_ = true;
            else
                runtime::win32::dispatch(message);
        }
        return true;
    }

    void post(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
    {
        PostMessageW(target, message, wParam, lParam);
        settle();
    }

    static inline Win32User *instance_ = nullptr;
    HWND driver_ = nullptr;
    HHOOK hook_ = nullptr;
    HWND answered_ = nullptr;
    bool quit_ = false;
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
    for (HWND child = GetWindow(shownWindow(control.window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
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

// --windows-7: the windows without the functions newer than Windows 7, as
// that system shows them.
int main(int argc, char **argv)
{
    if (std::find(argv + 1, argv + argc, std::string_view("--windows-7")) != argv + argc)
        runtime::win32::dpiFunctions() = {};
    runtime::Application application(runtime::makeToolkit(argc, argv, kValutrino));
    return doctest::Context(argc, argv).run();
}
