#include "runtime/program.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "runtime/window.h"
#include "runtime/win32/application.h"
#include "runtime/win32/system_library.h"
#include "runtime/win32/text.h"

namespace runtime {
namespace {

// Posted to the hidden window: destroy the windows unloaded since.
constexpr UINT kDestroyUnloaded = WM_APP;

struct Toolkit {
    HWND hidden = nullptr;
    std::vector<std::unique_ptr<Window>> unloaded;
};

Toolkit *current = nullptr;

LRESULT CALLBACK hiddenProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDestroyUnloaded && current) {
        current->unloaded.clear();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool isEdit(HWND window)
{
    wchar_t name[8];
    return GetClassNameW(window, name, 8) && lstrcmpiW(name, L"Edit") == 0;
}

} // namespace

struct Application::Toolkit : runtime::Toolkit {
};

Application::Application(int & /*argc*/, char ** /*argv*/) : toolkit_(std::make_unique<Toolkit>())
{
    win32::searchSystemFolderOnly();
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
    toolkit_->hidden = CreateWindowExW(0, hiddenClass.lpszClassName, L"Valutrino", WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    current = toolkit_.get();
}

Application::~Application()
{
    toolkit_->unloaded.clear();
    DestroyWindow(toolkit_->hidden);
    current = nullptr;
}

int Application::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        win32::dispatch(message);
    return int(message.wParam);
}

void quit()
{
    PostQuitMessage(0);
}

void cancelQuit()
{
    // PostQuitMessage only marks the queue; the WM_QUIT it stands for is
    // made, and so taken back, by a look at the queue that lets it through.
    MSG message;
    PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

Separators userSeparators()
{
    wchar_t group[8] = L"";
    wchar_t decimal[8] = L"";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group, 8);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    return {win32::narrow(group), win32::narrow(decimal)};
}

void destroyLater(std::unique_ptr<Window> window)
{
    current->unloaded.push_back(std::move(window));
    PostMessageW(current->hidden, kDestroyUnloaded, 0, 0);
}

namespace win32 {

HWND hiddenOwner()
{
    return current->hidden;
}

void dispatch(MSG &message)
{
    // The numeric keypad's decimal key types the keyboard layout's decimal
    // separator, a comma on an Italian keyboard; amounts are read with a
    // point.
    if (message.message == WM_KEYDOWN && message.wParam == VK_DECIMAL && isEdit(message.hwnd)) {
        SendMessageW(message.hwnd, WM_CHAR, L'.', message.lParam);
        return;
    }
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace win32
} // namespace runtime
