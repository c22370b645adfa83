// The converter window as its user meets it.
#include <doctest/doctest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace {

constexpr runtime::Colour kRed = 0x0000FF;
constexpr runtime::Colour kBlack = 0x000000;
constexpr runtime::Colour kBeige = 0xCAE3ED;

// The keypad's keys, and the currency symbols beside the boxes.
Ref key(runtime::Index index)
{
    return {"Form1", "Command1", index};
}
constexpr Ref LireSymbol{"Form1", "Label1", 0}, EuroSymbol{"Form1", "Label1", 1};

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

using Action = std::function<void(User &)>;

// Alt+C, once the focus has left the box for a keypad key.
void clearFromKeypad(User &u)
{
    u.click(key(13));
    u.pressAlt('C');
}

} // namespace

TEST_CASE("the converter is laid out on the window's beige, with its amounts on the right")
{
    ConverterWindow window;
    User &u = window.u;
    CHECK(u.title("Form1") == "Convertitore");
    CHECK(u.clientSize("Form1") == Point{350, 183});

    // Beside the captions of the symbol labels and the option buttons, no grey box.
    for (const Point at : {Point{18, 120}, Point{38, 72}, Point{172, 60}})
        CHECK(u.pixel("Form1", at) == kBeige);
    // The coin: a brown disc in the middle of its picture.
    CHECK(u.pixel("Form1", {256 + 38, 8 + 32}) == 0x4A6187);
    CHECK(u.bold({"Form1", "Label2"}));
    CHECK(u.bold(Option2));
    CHECK(u.bold(LireSymbol));
    CHECK_FALSE(u.bold(Text1));
    // The boxes' ground, the window frame's system colour: black, as in the
    // schemes the layout was drawn with.
    CHECK(u.pixel("Form1", {50, 95}) == kBlack);

    typeInto(Text1, "7");
    CHECK(drawnOnTheRight(Text1, 41, 101, 143));
    CHECK(drawnOnTheRight(Text2, 41, 148, 142));
}

TEST_CASE("what the user types, presses or pastes in the source box converts at once, and the focus stays there")
{
    const std::string longAmount = std::string(100000, '0') + "1936.27";
    const struct {
        Mode mode;
        const char *typed;
        Action then;
        std::string shown;
        const char *converted;
    } cases[] = {
        {Mode::Lire, "1936.27", {}, "1936.27", "1,00"},
        {Mode::Euro, "1", {}, "1", "1.936,27"},
        {Mode::Lire, "9000000000000", {}, "9000000000000", "4.648.112.091,81"}, // the ceiling itself is accepted
        {Mode::Euro, "90000000", {}, "90000000", "174.264.300.000,00"},
        {Mode::Euro, "-2abc", {}, "-2abc", "-3.872,54"}, // the box keeps what it cannot read
        {Mode::Lire, "", [&](User &u) { u.paste(longAmount); }, longAmount, "1,00"}, // read whole, however long
        {Mode::Lire, "7", [](User &u) { u.press(Key::Enter); }, "7", "0,00"}, // Enter and Esc press no button
        {Mode::Lire, "7", [](User &u) { u.press(Key::Escape); }, "7", "0,00"},
        {Mode::Lire, "1936", [](User &u) { u.press(Key::NumpadDecimal); }, "1936.", "1,00"}, // a point, whatever the keyboard layout
        {Mode::Lire, "5000", [](User &u) { u.press(Key::SelectAll); u.press(Key::Delete); }, "", "0,00"},
        {Mode::Lire, "250", clearFromKeypad, "", ""},
        {Mode::Euro, "250", clearFromKeypad, "", ""},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto &[mode, typed, then, shown, converted] = cases[row];
        CAPTURE(row);
        ConverterWindow window;
        select(mode);
        typeInto(source(mode), typed);
        if (then)
            then(window.u);
        CHECK(window.u.text(source(mode)) == shown);
        CHECK(window.u.text(target(mode)) == converted);
        CHECK(window.u.focused() == (mode == Mode::Lire ? "Text1" : "Text2"));
    }
}

TEST_CASE("amounts show with the separators of the user's settings")
{
    // The tests run under Italian settings, and this one under English (United States) ones too.
    const char *locale = std::getenv("LC_ALL");
    const bool english = locale && std::string_view(locale).starts_with("en_US");
    ConverterWindow window;
    select(Mode::Euro);
    typeInto(Text2, "1000.5");
    CHECK(window.u.text(Text1) == (english ? "1,937,238.14" : "1.937.238,14"));
}

TEST_CASE("amounts the converter cannot take are refused and both boxes emptied")
{
    const struct {
        Mode mode;
        std::string_view pasted;
        const char *shownDuringMessage;
    } cases[] = {
        {Mode::Lire, "9000000000001", "4.648.112.091,81"},
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

TEST_CASE("the converter starts in lire mode, and switching currency swaps the editable box and the highlights")
{
    ConverterWindow window;
    User &u = window.u;
    const Mode modes[] = {Mode::Lire, Mode::Euro, Mode::Lire, Mode::Euro};
    for (std::size_t step = 0; step < std::size(modes); ++step) {
        const Mode mode = modes[step];
        CAPTURE(step);
        if (step > 0) // the first as the converter starts
            select(mode);
        const bool lire = mode == Mode::Lire;
        CHECK(u.selected(Option1) == lire);
        CHECK(u.selected(Option2) != lire);
        CHECK(u.text(Text1).empty());
        CHECK(u.text(Text2).empty());
        CHECK(u.locked(Text1) != lire);
        CHECK(u.locked(Text2) == lire);
        CHECK(u.focused() == (lire ? "Text1" : "Text2"));
        CHECK(u.foreColour(Option1) == (lire ? kRed : kBlack));
        CHECK(u.foreColour(LireSymbol) == (lire ? kRed : kBlack));
        CHECK(u.foreColour(Option2) == (lire ? kBlack : kRed));
        CHECK(u.foreColour(EuroSymbol) == (lire ? kBlack : kRed));
        typeInto(source(mode), "1000"); // for the next switch to empty
    }
    // The keypad now writes into the euro box, converted to lire.
    u.click(key(4));
    CHECK(u.text(Text2) == "10004");
    CHECK(u.text(Text1) == "19.370.445,08");
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
            const std::string name = u.accessibleName();
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
