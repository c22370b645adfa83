// The converter window as its user meets it.
#include <doctest/doctest.h>

#include <string>

#include "window_fixture.h"

namespace {

constexpr runtime::Colour kRed = 0x0000FF;
constexpr runtime::Colour kBlack = 0x000000;
constexpr runtime::Colour kBeige = 0xCAE3ED;

Ref key(runtime::Index index)
{
    return {"Form1", "Command1", index};
}

Ref symbol(runtime::Index index)
{
    return {"Form1", "Label1", index};
}

void typeInto(Ref box, std::string_view text)
{
    user().click(box);
    user().type(text);
}

// Whether a text box draws its text on its right half, read from the screen
// along its middle: the boxes draw bright text on a dark ground.
bool drawnOnTheRight(Ref box, int left, int middle, int width)
{
    int leftmost = width;
    for (int x = width - 3; x > 2; --x)
        if (((user().pixel(box.window, {left + x, middle}) >> 8) & 0xFF) > 0x80)
            leftmost = x;
    return leftmost > width / 2 && leftmost < width;
}

// The control that focused() names, as "Text1" or "Command1(8)".
Ref named(std::string_view focused)
{
    const auto bracket = focused.find('(');
    if (bracket == std::string_view::npos)
        return {"Form1", focused};
    return {"Form1", focused.substr(0, bracket), runtime::Index(std::stoi(std::string(focused.substr(bracket + 1))))};
}

} // namespace

TEST_CASE("the converter starts in lire mode, laid out on the window's beige")
{
    ConverterWindow window;
    User &u = window.u;
    CHECK(u.title("Form1") == "Convertitore");
    CHECK(u.clientSize("Form1") == Point{350, 183});
    CHECK(u.selected(Option1));
    CHECK_FALSE(u.selected(Option2));
    CHECK(u.foreColour(Option1) == kRed);
    CHECK(u.foreColour(symbol(0)) == kRed);
    CHECK(u.foreColour(Option2) == kBlack);
    CHECK(u.foreColour(symbol(1)) == kBlack);
    CHECK_FALSE(u.locked(Text1));
    CHECK(u.locked(Text2));
    CHECK(u.text(Text1).empty());
    CHECK(u.text(Text2).empty());
    CHECK(u.focused() == "Text1");

    // Beside the captions of the symbol labels and the option buttons, no grey box.
    for (const Point at : {Point{18, 120}, Point{38, 72}, Point{172, 60}})
        CHECK(u.pixel("Form1", at) == kBeige);
    // The coin: a brown disc in the middle of its picture.
    const runtime::Colour coin = u.pixel("Form1", {256 + 38, 8 + 32});
    CHECK(coin == 0x4A6187);
    CHECK(u.bold({"Form1", "Label2"}));
    CHECK(u.bold(Option2));
    CHECK(u.bold(symbol(0)));
    CHECK_FALSE(u.bold(Text1));
}

TEST_CASE("amounts convert as the user types")
{
    const struct {
        Mode mode;
        const char *typed;
        const char *converted;
    } cases[] = {
        {Mode::Lire, "1936.27", "1,00"},
        {Mode::Euro, "1", "1.936,27"},
        {Mode::Euro, "0.5", "968,14"},              // 968.135 rounds up
        {Mode::Lire, "9000000000000", "4.648.112.091,81"}, // the ceiling itself is accepted
        {Mode::Euro, "90000000", "174.264.300.000,00"},
        {Mode::Lire, "12abc", "0,01"},
        {Mode::Lire, "1,5", "0,00"},                // a comma stops the amount
        {Mode::Euro, "abc", "0,00"},
        {Mode::Euro, "-2", "-3.872,54"},
        {Mode::Lire, "20000164260", "10.329.222,81"},      // just below half a cent
        {Mode::Euro, "52069552.61", "100.820.712.632,16"}, // likewise, in lire
    };
    for (const auto &[mode, typed, converted] : cases) {
        CAPTURE(typed);
        ConverterWindow window;
        select(mode);
        typeInto(source(mode), typed);
        CHECK(window.u.text(source(mode)) == typed);
        CHECK(window.u.text(target(mode)) == converted);
    }
}

TEST_CASE("amounts show with the separators of the user's settings")
{
    ConverterWindow window;
    select(Mode::Euro);
    typeInto(Text2, "1000.5");
    CHECK(window.u.text(Text1) == (englishSeparators() ? "1,937,238.14" : "1.937.238,14"));
}

TEST_CASE("the amount boxes show their amounts on the right")
{
    ConverterWindow window;
    typeInto(Text1, "7");
    CHECK(drawnOnTheRight(Text1, 41, 101, 143));
    CHECK(drawnOnTheRight(Text2, 41, 148, 142));
}

TEST_CASE("an emptied source shows a converted zero")
{
    ConverterWindow window;
    typeInto(Text1, "5000");
    window.u.press(Key::SelectAll);
    window.u.press(Key::Delete);
    CHECK(window.u.text(Text2) == "0,00");
}

TEST_CASE("a pasted text is read whole, however long")
{
    ConverterWindow window;
    window.u.click(Text1);
    window.u.paste(std::string(100000, '0') + "1936.27");
    CHECK(window.u.text(Text2) == "1,00");
}

TEST_CASE("amounts the converter cannot take are refused and both boxes emptied")
{
    const struct {
        Mode mode;
        const char *pasted;
        const char *shownDuringMessage;
    } cases[] = {
        {Mode::Lire, "9000000000001", "4.648.112.091,81"},
        {Mode::Lire, "1e13", "5.164.568.990,89"},
        {Mode::Euro, "90000000.01", "174.264.300.019,36"},
        // Beyond what a double holds: refused, never shown as "inf".
        {Mode::Lire, "1e400", ""},
        {Mode::Lire, "-1e400", ""},
        {Mode::Euro, "1e306", ""},
    };
    for (const auto &[mode, pasted, shownDuringMessage] : cases) {
        CAPTURE(pasted);
        ConverterWindow window;
        User &u = window.u;
        select(mode);
        std::string shown = "(no message)";
        u.onMessage = [&] { shown = u.text(target(mode)); };
        u.click(source(mode));
        u.paste(pasted);

        window.expectedMessages = 1;
        REQUIRE(u.messages.size() == 1);
        CHECK(u.messages[0].prompt == "Importo non valido");
        CHECK(u.messages[0].title == "Errore di digitazione");
        CHECK(u.messages[0].icon == runtime::MsgBoxIcon::Critical);
        CHECK(shown == shownDuringMessage);
        CHECK(u.text(source(mode)).empty());
        CHECK(u.text(target(mode)).empty());
        CHECK(u.focused() == (mode == Mode::Lire ? "Text1" : "Text2"));
    }
}

TEST_CASE("each keypad key adds its caption, not its index, and converts at once")
{
    ConverterWindow window;
    const runtime::Index keys[] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 13, 3};
    const std::string captions = "1234567890.";
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        window.u.click(key(keys[i]));
        CHECK(window.u.text(Text1) == captions.substr(0, i + 1));
    }
    CHECK(window.u.text(Text2) == "637.601,10");
}

TEST_CASE("switching currency swaps the editable box and the highlights")
{
    ConverterWindow window;
    User &u = window.u;
    typeInto(Text1, "1000");
    for (const Mode mode : {Mode::Euro, Mode::Lire, Mode::Euro}) {
        select(mode);
        const bool lire = mode == Mode::Lire;
        CHECK(u.text(Text1).empty());
        CHECK(u.text(Text2).empty());
        CHECK(u.locked(Text1) != lire);
        CHECK(u.locked(Text2) == lire);
        CHECK(u.focused() == (lire ? "Text1" : "Text2"));
        CHECK(u.foreColour(Option1) == (lire ? kRed : kBlack));
        CHECK(u.foreColour(symbol(0)) == (lire ? kRed : kBlack));
        CHECK(u.foreColour(Option2) == (lire ? kBlack : kRed));
        CHECK(u.foreColour(symbol(1)) == (lire ? kBlack : kRed));
    }
    // The keypad now writes into the euro box, converted to lire.
    u.click(key(4));
    u.click(key(13));
    CHECK(u.text(Text2) == "40");
    CHECK(u.text(Text1) == "77.450,80");
}

TEST_CASE("Alt+C empties both boxes and puts the caret in the source box")
{
    for (const Mode mode : {Mode::Lire, Mode::Euro}) {
        ConverterWindow window;
        select(mode);
        typeInto(source(mode), "250");
        window.u.click(key(13)); // the focus leaves the box
        window.u.pressAlt('C');
        CHECK(window.u.text(source(mode)).empty());
        CHECK(window.u.text(target(mode)).empty());
        CHECK(window.u.focused() == (mode == Mode::Lire ? "Text1" : "Text2"));
    }
}

TEST_CASE("Tab visits the keypad in reading order and only the selected option button")
{
    const char *const keypad[] = {"Command1(0)", "Command1(1)", "Command1(2)", "Command1(4)",
                                  "Command1(5)", "Command1(6)", "Command1(8)", "Command1(9)",
                                  "Command1(10)", "Command3(12)", "Command1(13)", "Text2"};
    for (const Mode mode : {Mode::Lire, Mode::Euro}) {
        ConverterWindow window;
        User &u = window.u;
        select(mode);
        u.click(Text1);
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < std::size(keypad) + 3; ++i) {
            u.press(Key::Tab);
            visited.push_back(u.focused());
            // What a screen reader says: never empty, never a bare symbol or "&C".
            const std::string name = u.accessibleName(named(visited.back()));
            CAPTURE(visited.back());
            CHECK_FALSE(name.empty());
            CHECK(name.find('&') == std::string::npos);
            CHECK(name != "£");
            CHECK(name != "€");
        }
        std::vector<std::string> expected(std::begin(keypad), std::end(keypad));
        expected.insert(expected.end(), {mode == Mode::Lire ? "Option1" : "Option2", "Command1(3)", "Text1"});
        CHECK(visited == expected);
    }
}

TEST_CASE("Enter and Esc press no button in the converter")
{
    for (const Key pressed : {Key::Enter, Key::Escape}) {
        ConverterWindow window;
        typeInto(Text1, "7");
        window.u.press(pressed);
        CHECK(window.u.text(Text1) == "7");
        CHECK(window.u.text(Text2) == "0,00");
    }
}

TEST_CASE("the numeric keypad's decimal key types a point, whatever the keyboard layout")
{
    ConverterWindow window;
    typeInto(Text1, "1936");
    window.u.press(Key::NumpadDecimal);
    window.u.type("27");
    CHECK(window.u.text(Text1) == "1936.27");
    CHECK(window.u.text(Text2) == "1,00");
}

TEST_CASE("Chiudi ends the program")
{
    ConverterWindow window;
    window.u.chooseMenu("Form1", "chiudi");
    CHECK(window.u.programEnds(std::chrono::seconds(5)));
    CHECK(window.u.openWindows("Form1") == 0);
}
