// The About window beside the converter.
#include <doctest/doctest.h>

#include <chrono>

#include "window_fixture.h"

namespace {

using namespace std::chrono_literals;

constexpr Ref cmdOK{"frmAbout", "cmdOK"};
constexpr Ref cmdSysInfo{"frmAbout", "cmdSysInfo"};

void openAbout()
{
    user().chooseMenu("Form1", "info");
    user().waitUntilShown("frmAbout");
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
    CHECK(u.text({"frmAbout", "Label1"}).size() == 91);
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
    enum class Closing { OkButton, Enter, Escape, CloseButton };
    for (const Closing closing : {Closing::OkButton, Closing::Enter, Closing::Escape, Closing::CloseButton}) {
        CAPTURE(int(closing));
        ConverterWindow window;
        User &u = window.u;
        openAbout();
        switch (closing) {
        case Closing::OkButton:
            u.click(cmdOK);
            break;
        case Closing::Enter:
            u.press(Key::Enter);
            break;
        case Closing::Escape:
            u.press(Key::Escape);
            break;
        case Closing::CloseButton:
            u.close("frmAbout");
            break;
        }
        CHECK(u.openWindows("frmAbout") == 0);
        CHECK(u.openWindows("Form1") == 1);
        CHECK_FALSE(u.programEnds(100ms));

        openAbout();
        CHECK(u.title("frmAbout") == "Informazioni su Valutrino");
        CHECK(u.focused() == "cmdOK");
    }
}

TEST_CASE("System Info starts the recorded tool, or says it is unavailable and stays open")
{
    for (const bool recorded : {true, false}) {
        CAPTURE(recorded);
        ConverterWindow window;
        User &u = window.u;
        if (recorded)
            window.platform.store.values.setString(runtime::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                                   "PATH", "C:\\Strumenti\\msinfo32.exe");
        openAbout();
        u.pressAlt('S');
        if (recorded) {
            CHECK(window.platform.started == std::vector<std::string>{"C:\\Strumenti\\msinfo32.exe"});
        } else {
            window.expectedMessages = 1;
            REQUIRE(u.messages.size() == 1);
            CHECK(u.messages[0].prompt == "Le informazioni sul sistema non sono attualmente disponibili.");
            CHECK(u.messages[0].title == "Valutrino");
            CHECK(u.messages[0].icon == runtime::MsgBoxIcon::None);
        }
        CHECK(u.openWindows("frmAbout") == 1);
    }
}

TEST_CASE("Enter on a focused System Info presses it, not the default OK")
{
    ConverterWindow window;
    openAbout();
    window.u.press(Key::Tab);
    window.u.press(Key::Enter);
    window.expectedMessages = 1;
    CHECK(window.u.messages.size() == 1);
    CHECK(window.u.openWindows("frmAbout") == 1);
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
        CHECK_FALSE(u.programEnds(100ms));
        CHECK(u.openWindows(converterFirst ? "frmAbout" : "Form1") == 1);
        u.close(converterFirst ? "frmAbout" : "Form1");
        CHECK(u.programEnds(5s));
    }
}
