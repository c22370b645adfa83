// What only Windows shows: its registry, its files, its window styles, its
// DPI scaling, and the EDIT control's notifications.
#include <doctest/doctest.h>

#include <array>
#include <utility>

#include "about/frmAbout.h"
#include "platform/desktop_platform.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/handles.h"
#include "win32_user.h"
#include "window_fixture.h"

// The key tests/win32/run_under_wine.sh fills with Wine's reg.
constexpr const char *kTestKey = "SOFTWARE\\Valutrino\\Prova";

TEST_CASE("registry values are read through advapi32 from the native view of HKEY_LOCAL_MACHINE")
{
    // A string without its closing NUL, as some installers write them; reg
    // cannot, and the Wine prefix is thrown away after the run. Written to
    // the 64-bit view, where reg wrote the others, from either build.
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key,
                            nullptr) == ERROR_SUCCESS);
    RegSetValueExA(key, "SenzaNul", 0, REG_SZ, reinterpret_cast<const BYTE *>("C:\\Sys"), 6);
    RegCloseKey(key);
    const struct {
        const char *key, *value;
        bool found;
        std::string text;
    } cases[] = {
        {kTestKey, "Percorso", true, "C:\\Programmi\\msinfo32.exe"},
        {kTestKey, "Lungo", true, std::string(2000, 'x')},
        {kTestKey, "Numero", true, "&h0000000A"},
        {kTestKey, "Vuoto", true, ""},
        {kTestKey, "SenzaNul", true, "C:\\Sys"},
        {kTestKey, "Manca", false, ""},
        {"SOFTWARE\\Valutrino\\Manca", "Percorso", false, ""},
    };
    DesktopPlatform platform;
    frmAbout about(platform);
    for (const auto &[key, value, found, text] : cases) {
        CAPTURE(value);
        std::string keyVal = "before";
        CHECK(about.GetKeyValue(runtime::kHKeyLocalMachine, key, value, keyVal) == found);
        CHECK(keyVal == text);
    }
}

TEST_CASE("a folder is no file, a missing program is not started, and the system folder is the system's own")
{
    DesktopPlatform platform;
    CHECK(platform.fileExists("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.fileExists("C:\\windows\\system32"));
    CHECK(platform.startProgram("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.startProgram("C:\\Programmi\\Strumenti\\MSINFO32.EXE"));
    // Put in System32 alone by tests/win32/run_under_wine.sh: a 32-bit
    // program on 64-bit Windows finds and starts it as a 64-bit one does.
    CHECK(platform.fileExists("C:\\Windows\\System32\\strumento.exe"));
    CHECK(platform.startProgram("C:\\Windows\\System32\\strumento.exe"));
}

TEST_CASE("a WM_SETTEXT of the text a box holds raises no Change, though EDIT sends EN_CHANGE")
{
    ConverterWindow window;
    window.u.click(Text1);
    window.u.type("5");
    // Text2 is not the source: had Text1's Change run, it would overwrite "x".
    SendMessageW(controlWindow(Text2), WM_SETTEXT, 0, LPARAM(L"x"));
    SendMessageW(controlWindow(Text1), WM_SETTEXT, 0, LPARAM(L"5"));
    CHECK(window.u.text(Text2) == "x");
    SendMessageW(controlWindow(Text1), WM_SETTEXT, 0, LPARAM(L"1936.27"));
    CHECK(window.u.text(Text2) == "1,00");
}

TEST_CASE("the converter is a fixed-single window with a menu bar, the About window a fixed dialog of no one's")
{
    ConverterWindow window;
    window.u.chooseMenu("Form1", "info");
    window.u.waitUntilShown("frmAbout");
    HWND converter = shownWindow("Form1"), about = shownWindow("frmAbout");
    CHECK(IsMenu(GetMenu(converter)));
    const DWORD fixed = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
    CHECK((GetWindowLongPtrW(converter, GWL_STYLE) & fixed) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    CHECK((GetWindowLongPtrW(about, GWL_STYLE) & fixed) == (WS_CAPTION | WS_SYSMENU));
    for (HWND hwnd : {converter, about})
        for (WPARAM size : {ICON_SMALL, ICON_BIG})
            CHECK(SendMessageW(hwnd, WM_GETICON, size, 0) != 0);
    // A taskbar entry for the converter only: the About window is owned, by
    // a window that is not the converter, so that it outlives it.
    CHECK(GetWindow(converter, GW_OWNER) == nullptr);
    CHECK((GetWindowLongPtrW(converter, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0);
    CHECK(GetWindow(about, GW_OWNER) != nullptr);
    CHECK(GetWindow(about, GW_OWNER) != converter);
}

TEST_CASE("at 144 dpi the controls stand at their places scaled by half again, with fonts and icons to match")
{
    ConverterWindow window;
    HWND converter = shownWindow("Form1");
    REQUIRE(runtime::win32::windowDpi(converter) == 144);
    CHECK(window.u.clientSize("Form1") == Point{525, 275});
    // Left, top, width, height; half pixels rounded up.
    const struct {
        Ref control;
        std::array<int, 4> pixels;
    } cases[] = {
        {Text1, {62, 134, 215, 38}},
        {{"Form1", "Image1"}, {384, 12, 96, 96}},
    };
    for (const auto &[control, pixels] : cases) {
        CAPTURE(control.name);
        RECT box;
        GetWindowRect(controlWindow(control), &box);
        MapWindowPoints(nullptr, converter, reinterpret_cast<POINT *>(&box), 2);
        CHECK(std::array<int, 4>{box.left, box.top, box.right - box.left, box.bottom - box.top} == pixels);
    }
    LOGFONTW font{};
    GetObjectW(HFONT(SendMessageW(controlWindow({"Form1", "Label2"}), WM_GETFONT, 0, 0)), sizeof font, &font);
    CHECK(font.lfHeight == -24); // 12 points
    CHECK(window.u.pixel("Form1", {384 + 57, 12 + 48}) == 0x4A6187); // the coin's disc
    for (const auto &[size, pixels] : {std::pair{ICON_BIG, 48}, std::pair{ICON_SMALL, 24}}) {
        ICONINFO icon{};
        GetIconInfo(HICON(SendMessageW(converter, WM_GETICON, size, 0)), &icon);
        BITMAP bitmap{};
        GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == pixels);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}

namespace {

// Counts the WM_SETICON messages that find the icon they replace destroyed.
int setIcons = 0, destroyedIcons = 0;

LRESULT CALLBACK watchIcons(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (code == HC_ACTION && sent->message == WM_SETICON) {
        ++setIcons;
        ICONINFO icon{};
        HICON old = HICON(SendMessageW(sent->hwnd, WM_GETICON, sent->wParam, 0));
        if (old && !GetIconInfo(old, &icon))
            ++destroyedIcons;
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HRESULT WINAPI monitorAt120Dpi(HMONITOR, MONITOR_DPI_TYPE, UINT *x, UINT *y)
{
    *x = *y = 120;
    return S_OK;
}

// The DPI functions as a test sets them, put back as they were afterwards.
struct DpiFunctionsAs {
    runtime::win32::DpiFunctions saved = runtime::win32::dpiFunctions();
    explicit DpiFunctionsAs(const runtime::win32::DpiFunctions &functions) { runtime::win32::dpiFunctions() = functions; }
    ~DpiFunctionsAs() { runtime::win32::dpiFunctions() = saved; }
};

} // namespace

TEST_CASE("after a DPI change the window holds its new icons before the old ones are destroyed")
{
    ConverterWindow window;
    HWND converter = shownWindow("Form1");
    RECT place;
    GetWindowRect(converter, &place);
    setIcons = destroyedIcons = 0;
    const runtime::win32::Owned<HHOOK, UnhookWindowsHookEx> hook(
        SetWindowsHookExW(WH_CALLWNDPROC, watchIcons, nullptr, GetCurrentThreadId()));
    SendMessageW(converter, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&place));
    CHECK(setIcons == 2);
    CHECK(destroyedIcons == 0);
}

TEST_CASE("on Windows 8.1 a window is drawn at the DPI of its monitor, which may not be the system's")
{
    // Windows 8.1: GetDpiForMonitor, none of Windows 10's functions.
    const DpiFunctionsAs windows81({nullptr, nullptr, nullptr, monitorAt120Dpi});
    ConverterWindow window;
    CHECK(window.u.clientSize("Form1") == Point{438, 229});
}
