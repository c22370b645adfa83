// What only Windows shows: its registry, its files, its window styles, its
// DPI scaling, and the EDIT control's notifications.
#include <doctest/doctest.h>

#include <array>
#include <utility>

#include "about/frmAbout.h"
#include "runtime/desktop_platform.h"
#include "runtime/win32/dpi.h"
#include "win32_user.h"
#include "window_fixture.h"

// The key tests/win32/run_under_wine.sh fills with Wine's reg.
constexpr const char *kTestKey = "SOFTWARE\\Valutrino\\Prova";

TEST_CASE("registry values are read through advapi32 from the native view of HKEY_LOCAL_MACHINE")
{
    // A string without its closing NUL, as some installers write them; reg
    // cannot, and the Wine prefix is thrown away after the run.
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kTestKey, "SenzaNul", REG_SZ, "C:\\Sys", 6);
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

TEST_CASE("a folder is no file, and a missing program is not started")
{
    DesktopPlatform platform;
    CHECK(platform.fileExists("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.fileExists("C:\\windows\\system32"));
    CHECK(platform.startProgram("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.startProgram("C:\\Programmi\\Strumenti\\MSINFO32.EXE"));
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
