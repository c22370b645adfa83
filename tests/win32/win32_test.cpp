// What only Windows shows: its registry, its window styles, its DPI scaling,
// its accessibility interface, and the EDIT control's notifications.
#include <doctest/doctest.h>

#include <oleacc.h>

#include <string>

#include "about/frmAbout.h"
#include "runtime/desktop_platform.h"
#include "win32_user.h"
#include "window_fixture.h"

namespace {

// The values tests/win32/run_under_wine.sh writes with Wine's reg.
constexpr const char *kTestKey = "SOFTWARE\\Valutrino\\Prova";

// A string value written without its closing NUL, removed again at the end.
struct ValueWithoutNul {
    HKEY key = nullptr;
    ValueWithoutNul()
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        const char path[] = {'C', ':', '\\', 'S', 'y', 's'};
        RegSetValueExA(key, "SenzaNul", 0, REG_SZ, reinterpret_cast<const BYTE *>(path), sizeof path);
    }
    ~ValueWithoutNul()
    {
        RegDeleteValueA(key, "SenzaNul");
        RegCloseKey(key);
    }
};

RECT placeIn(HWND window, HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&box), 2);
    return box;
}

} // namespace

TEST_CASE("registry values are read through advapi32 from the native view of HKEY_LOCAL_MACHINE")
{
    const ValueWithoutNul withoutNul;
    const struct {
        const char *key;
        const char *value;
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

TEST_CASE("files are found and programs started as Windows finds and starts them")
{
    DesktopPlatform platform;
    CHECK(platform.fileExists("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.fileExists("C:\\windows\\system32"));
    CHECK_FALSE(platform.fileExists("C:\\Programmi\\Strumenti\\MSINFO32.EXE"));
    CHECK(platform.startProgram("C:\\windows\\system32\\hostname.exe"));
    CHECK_FALSE(platform.startProgram("C:\\Programmi\\Strumenti\\MSINFO32.EXE"));
}

TEST_CASE("a WM_SETTEXT of the text a box holds raises no Change, though EDIT sends EN_CHANGE")
{
    ConverterWindow window;
    User &u = window.u;
    u.click(Text1);
    u.type("5");
    // Text2 is not the source: its Change converts nothing.
    SendMessageW(controlWindow(Text2), WM_SETTEXT, 0, LPARAM(L"x"));
    SendMessageW(controlWindow(Text1), WM_SETTEXT, 0, LPARAM(L"5"));
    CHECK(u.text(Text2) == "x");
    SendMessageW(controlWindow(Text1), WM_SETTEXT, 0, LPARAM(L"1936.27"));
    CHECK(u.text(Text2) == "1,00");
}

TEST_CASE("the converter is a fixed-single window with a menu bar, the About window a fixed dialog of no one's")
{
    ConverterWindow window;
    user().chooseMenu("Form1", "info");
    user().waitUntilShown("frmAbout");
    HWND converter = shownWindow("Form1");
    HWND about = shownWindow("frmAbout");

    const auto style = [](HWND hwnd) { return DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)); };
    const DWORD resizing = WS_THICKFRAME | WS_MAXIMIZEBOX;
    CHECK((style(converter) & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    CHECK((style(converter) & resizing) == 0);
    CHECK((style(about) & (WS_CAPTION | WS_SYSMENU)) == (WS_CAPTION | WS_SYSMENU));
    CHECK((style(about) & (resizing | WS_MINIMIZEBOX)) == 0);

    // A taskbar entry for the converter only: the About window is owned, by
    // a window that is not the converter, so that it outlives it.
    CHECK(GetWindow(converter, GW_OWNER) == nullptr);
    CHECK((GetWindowLongPtrW(converter, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0);
    HWND owner = GetWindow(about, GW_OWNER);
    CHECK(owner != nullptr);
    CHECK(owner != converter);

    for (HWND hwnd : {converter, about}) {
        CHECK(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0) != 0);
        CHECK(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) != 0);
    }
    HMENU file = GetSubMenu(GetMenu(converter), 0);
    REQUIRE(file != nullptr);
    wchar_t caption[32];
    const std::pair<int, const wchar_t *> items[] = {{0, L"&Info"}, {1, L"&Chiudi"}};
    for (const auto &[position, expected] : items) {
        GetMenuStringW(file, position, caption, 32, MF_BYPOSITION);
        CHECK(std::wstring(caption) == expected);
    }
}

TEST_CASE("screen readers hear each control's name through MSAA")
{
    ConverterWindow window;
    const struct {
        Ref control;
        const char *name;
    } cases[] = {
        {Text1, "Importo in lire"},
        {Option2, "Euro"},
        {{"Form1", "Command1", 8}, "7"},
        {{"Form1", "Command1", 3}, "Punto decimale"},
        {{"Form1", "Command3", 12}, "Cancella"},
    };
    for (const auto &[control, name] : cases) {
        CAPTURE(name);
        CHECK(window.u.accessibleName(control) == std::string(name));
    }
}

TEST_CASE("at 144 dpi every control stands at its twips scaled, with fonts to match")
{
    ConverterWindow window;
    HWND converter = shownWindow("Form1");
    REQUIRE(GetDpiForWindow(converter) == 144);
    CHECK(window.u.clientSize("Form1") == Point{525, 275});
    const struct {
        Ref control;
        int left, top, width, height; // twips
    } cases[] = {
        {Text1, 615, 1335, 2145, 375},
        {Option2, 2040, 840, 600, 255},
        {{"Form1", "Command1", 13}, 3465, 2160, 375, 360},
        {{"Form1", "Command3", 12}, 4440, 2160, 360, 375},
        {{"Form1", "Image1"}, 3840, 120, 960, 960},
    };
    const auto px = [](int twips) { return MulDiv(twips, 144, 1440); };
    for (const auto &[control, left, top, width, height] : cases) {
        CAPTURE(control.name);
        const RECT placed = placeIn(converter, controlWindow(control));
        CHECK(placed.left == px(left));
        CHECK(placed.top == px(top));
        CHECK(placed.right - placed.left == px(width));
        CHECK(placed.bottom - placed.top == px(height));
    }
    LOGFONTW font{};
    GetObjectW(HFONT(SendMessageW(controlWindow({"Form1", "Label2"}), WM_GETFONT, 0, 0)), sizeof font, &font);
    CHECK(font.lfHeight == -24); // 12 points
    CHECK(window.u.pixel("Form1", {384 + 57, 12 + 48}) == 0x4A6187); // the coin's disc
}
