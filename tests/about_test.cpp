// The About window beside the converter.
#include <doctest/doctest.h>

#include <chrono>
#include <functional>

#include "window_fixture.h"

namespace {

using namespace std::chrono_literals;

constexpr runtime::Colour kBeige = 0xCAE3ED;
constexpr Ref cmdOK{"frmAbout", "cmdOK"};

void openAbout()
{
    user().chooseMenu("Form1", "info");
    user().waitUntilShown("frmAbout");
}

// Whether text is drawn on the outermost pixels of a box, right or bottom, in
// pixels of the client area: text that does not fit is cut off there.
bool drawnToTheEdge(std::string_view window, Point topLeft, Point size)
{
    const int right = topLeft.x + size.x - 1, bottom = topLeft.y + size.y - 1;
    for (int y = topLeft.y; y <= bottom; ++y)
        if (user().pixel(window, {right, y}) != kBeige)
            return true;
    for (int x = topLeft.x; x <= right; ++x)
        if (user().pixel(window, {x, bottom}) != kBeige)
            return true;
    return false;
}

} // namespace

TEST_CASE("Info opens the About window beside a converter that keeps working")
{
    ConverterWindow window;
    User &u = window.u;
    openAbout();
    CHECK(u.title("frmAbout") == "Informazioni su Valutrino");
    CHECK(u.text({"frmAbout", "lblTitle"}) == "Valutrino");
    CHECK(u.text({"frmAbout", "lblVersion"}) == "Versione 1.10 (06/01/2001)");
    // The credits, in the label's box, end in a long address that must show whole.
    CHECK_FALSE(u.text({"frmAbout", "Label1"}).empty());
    CHECK_FALSE(drawnToTheEdge("frmAbout", {8, 88}, {233, 57}));
    CHECK(u.focused() == "cmdOK");
    CHECK(u.clientSize("frmAbout") == Point{345, 156});
    CHECK(u.clientOrigin("frmAbout") == Point{146, 206});

    u.click(Text1);
    u.type("1936.27");
    CHECK(u.text(Text2) == "1,00");
    CHECK(u.openWindows("frmAbout") == 1);
}

TEST_CASE("a second Info brings the same About window back, not a new one")
{
    ConverterWindow window;
    User &u = window.u;
    openAbout();
    u.press(Key::Tab);
    REQUIRE(u.focused() == "cmdSysInfo");
    u.click(Text1);
    openAbout();
    CHECK(u.openWindows("frmAbout") == 1);
    CHECK(u.focused() == "cmdSysInfo"); // not loaded again, which would focus OK
}

TEST_CASE("OK, Enter, Esc and the close button each close the About window, and Info opens it again")
{
    const struct {
        std::string_view how;
        std::function<void(User &)> close;
    } closings[] = {
        {"OK", [](User &u) { u.click(cmdOK); }},
        {"Enter", [](User &u) { u.press(Key::Enter); }},
        {"Esc", [](User &u) { u.press(Key::Escape); }},
        {"the close button", [](User &u) { u.close("frmAbout"); }},
    };
    for (const auto &[how, close] : closings) {
        CAPTURE(how);
        ConverterWindow window;
        User &u = window.u;
        openAbout();
        close(u);
        CHECK(u.openWindows("frmAbout") == 0);
        CHECK(u.openWindows("Form1") == 1);

        openAbout(); // loaded again, with the focus on OK
        CHECK(u.focused() == "cmdOK");
    }
}

// What the box says is checked with the look-ups, in sysinfo_test.cpp.
TEST_CASE("System Info, by Alt+S or by Enter on its focused button, starts the recorded tool or says it is "
          "unavailable, and the About window stays open")
{
    for (const bool recorded : {true, false}) {
        CAPTURE(recorded);
        ConverterWindow window;
        User &u = window.u;
        if (recorded)
            window.platform.store.setString(runtime::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                            "C:\\Strumenti\\msinfo32.exe");
        openAbout();
        if (recorded) {
            u.pressAlt('S');
        } else {
            // Enter presses the button with the focus, not the default OK.
            u.press(Key::Tab);
            u.press(Key::Enter);
            window.expectedMessages = 1;
        }
        CHECK(window.platform.started == (recorded ? std::vector<std::string>{"C:\\Strumenti\\msinfo32.exe"}
                                                   : std::vector<std::string>{}));
        CHECK(u.openWindows("frmAbout") == 1);
    }
}

TEST_CASE("Chiudi ends the program with the About window open")
{
    ConverterWindow window;
    openAbout();
    window.u.chooseMenu("Form1", "chiudi");
    CHECK(window.u.programEnds(5s));
    CHECK(window.u.openWindows("Form1") == 0);
    CHECK(window.u.openWindows("frmAbout") == 0);
}

TEST_CASE("the program ends only when its last window is closed, whichever goes first")
{
    for (const bool converterFirst : {true, false}) {
        CAPTURE(converterFirst);
        ConverterWindow window;
        User &u = window.u;
        openAbout();
        u.close(converterFirst ? "Form1" : "frmAbout");
        CHECK(u.openWindows(converterFirst ? "frmAbout" : "Form1") == 1);
        u.close(converterFirst ? "frmAbout" : "Form1");
        CHECK(u.programEnds(5s));
    }
}
