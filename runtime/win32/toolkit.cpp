#include "runtime/toolkit.h"

#include <windows.h>

#include <commctrl.h>

#include <deque>

#include "runtime/controls.h"
#include "runtime/win32/system_library.h"
#include "runtime/win32/text.h"
#include "runtime/win32/toolkit.h"
#include "runtime/win32/window.h"

namespace runtime::win32 {
namespace {

// Posted to the hidden window: run the tasks posted since.
constexpr UINT kRunPosted = WM_APP;

class Win32Toolkit;
Win32Toolkit *current = nullptr;

class Win32Toolkit final : public Toolkit {
public:
    explicit Win32Toolkit(const Identity &identity) : Toolkit(identity)
    {
        searchSystemFolderOnly();
        // Common controls 6 and per-monitor DPI awareness come with the
        // manifest in the resources.
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);

        WNDCLASSEXW hiddenClass{};
        hiddenClass.cbSize = sizeof hiddenClass;
        hiddenClass.lpfnWndProc = hiddenProc;
        hiddenClass.hInstance = GetModuleHandleW(nullptr);
        hiddenClass.lpszClassName = L"Valutrino.Hidden";
        RegisterClassExW(&hiddenClass);
        // A top-level window, never shown: a message-only window cannot own one.
        hidden = CreateWindowExW(0, hiddenClass.lpszClassName, widen(identity.title).c_str(), WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        current = this;
    }
    ~Win32Toolkit() override
    {
        current = nullptr;
        DestroyWindow(hidden);
    }

    std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form) override
    {
        return std::make_unique<Win32Window>(layout, form, identity);
    }

    void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title) override
    {
        const UINT iconStyle = icon == MsgBoxIcon::Critical ? MB_ICONERROR : 0;
        MessageBoxW(GetActiveWindow(), widen(prompt).c_str(), widen(title).c_str(), MB_OK | iconStyle);
    }

    int run() override
    {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            dispatch(message);
        return int(message.wParam);
    }

    void quit() override { PostQuitMessage(0); }

    void cancelQuit() override
    {
        // PostQuitMessage only marks the queue; the WM_QUIT it stands for is
        // made, and so taken back, by a look at the queue that lets it through.
        MSG message;
        PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    void post(std::function<void()> task) override
    {
        posted_.push_back(std::move(task));
        PostMessageW(hidden, kRunPosted, 0, 0);
    }

    Separators userSeparators() override
    {
        wchar_t group[8] = L"";
        wchar_t decimal[8] = L"";
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group, 8);
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
        return {narrow(group), narrow(decimal)};
    }

    Colour systemColour(int index) override { return GetSysColor(index); }

    HWND hidden = nullptr;

private:
    static LRESULT CALLBACK hiddenProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kRunPosted && current && !current->posted_.empty()) {
            const std::function<void()> task = std::move(current->posted_.front());
            current->posted_.pop_front();
            task();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    std::deque<std::function<void()>> posted_;
};

} // namespace

HWND hiddenOwner()
{
    return current->hidden;
}

void dispatch(MSG &message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_DECIMAL) {
        const auto *box = static_cast<const TextBox *>(GetPropW(message.hwnd, kTextBoxProperty));
        if (box && !box->numpadDecimal().empty()) {
            for (const wchar_t c : widen(box->numpadDecimal()))
                SendMessageW(message.hwnd, WM_CHAR, c, message.lParam);
            return;
        }
    }
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace runtime::win32

std::unique_ptr<runtime::Toolkit> runtime::makeToolkit(int & /*argc*/, char ** /*argv*/, const Identity &identity)
{
    return std::make_unique<win32::Win32Toolkit>(identity);
}
