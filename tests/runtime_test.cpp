// The order in which a window's handlers run, and when the program ends, as
// the windows rely on them.
#include <doctest/doctest.h>

#include <chrono>
#include <string>
#include <vector>

#include "runtime/appearance.h"
#include "runtime/form.h"
#include "user.h"

namespace {

using namespace runtime;

constexpr Font kTimes{"Times New Roman", 12, false};
// clang-format off
constexpr ControlLayout kControls[] = {
    {"A", Kind::TextBox,      kNoIndex, "", 150, 150, 1500, 375, nullptr, kNoColour, kNoColour, 0, "A"},
    {"B", Kind::TextBox,      kNoIndex, "", 150, 600, 1500, 375, nullptr, kNoColour, kNoColour, 1, "B"},
    {"X", Kind::OptionButton, kNoIndex, "X", 150, 1050, 900, 255, &kTimes, kNoColour, kNoColour, 2, "X", Align::Left, false, True},
    {"Y", Kind::OptionButton, kNoIndex, "Y", 1200, 1050, 900, 255, nullptr, kNoColour, kNoColour, 3, "Y"},
};
// clang-format on

constexpr WindowLayout kLayout{
    .name = "Events",
    .caption = "Events",
    .border = Border::FixedSingle,
    .clientWidth = 3000,
    .clientHeight = 1500,
    .backColour = 0xCAE3ED,
    .icon = "euro-coin",
    .controls = kControls,
};

// Shown, it writes down every handler run. A's Change copies A's text into
// B, as the converter's boxes write into each other.
class EventLog : public Form {
public:
    EventLog() : Form(kLayout)
    {
        show();
        user().waitUntilShown("Events");
    }

    std::vector<std::string> log;
    TextBox *A = nullptr;
    TextBox *B = nullptr;
    OptionButton *X = nullptr;
    OptionButton *Y = nullptr;

private:
    void bind() override
    {
        A = &control<TextBox>("A");
        B = &control<TextBox>("B");
        X = &control<OptionButton>("X");
        Y = &control<OptionButton>("Y");
        A->Change = [this] {
            log.push_back("A_Change " + A->text());
            B->setText(A->text());
            log.push_back("A_Change done");
        };
        B->Change = [this] { log.push_back("B_Change " + B->text()); };
        X->Click = [this] { log.push_back("X_Click"); };
        Y->Click = [this] { log.push_back("Y_Click"); };
    }
};

using Log = std::vector<std::string>;

// Its code names a control its layout lacks.
class Misspelt : public Form {
public:
    explicit Misspelt(std::string name) : Form(kLayout), name_(std::move(name)) {}

private:
    void bind() override { control<TextBox>(name_); }
    std::string name_;
};

} // namespace

TEST_CASE("a Change raised by an assignment runs to completion before the assignment returns")
{
    EventLog form;
    form.A->setText("12");
    CHECK(form.log == Log{"A_Change 12", "B_Change 12", "A_Change done"});
}

TEST_CASE("assigning the text a box already holds raises no Change")
{
    EventLog form;
    form.B->setText("");
    form.B->setText("7");
    form.B->setText("7");
    CHECK(form.log == Log{"B_Change 7"});
}

TEST_CASE("an option button's Click: when it becomes selected, never when it already is")
{
    EventLog form;
    form.X->setValue(True); // laid out selected
    CHECK(form.log.empty());

    form.Y->setValue(True);
    CHECK(form.log == Log{"Y_Click"});
    CHECK(form.X->value() == False); // cleared, without a Click of its own
    CHECK(form.Y->value() == True);

    user().click({"Events", "Y"});
    form.Y->setValue(True);
    CHECK(form.log == Log{"Y_Click"});

    user().click({"Events", "X"});
    CHECK(form.log == Log{"Y_Click", "X_Click"});
    CHECK(form.Y->value() == False);
}

TEST_CASE("a window loaded as soon as the last one is unloaded keeps the program running")
{
    EventLog form;
    form.unload();
    form.show();
    user().waitUntilShown("Events");
    CHECK_FALSE(user().programEnds(std::chrono::milliseconds(100)));
}

TEST_CASE("a control name the layout lacks fails with that name")
{
    for (const std::string name : {"a", "Text1"}) {
        Misspelt form(name);
        CHECK_THROWS_WITH_AS(form.load(), ("Events has no control " + name).c_str(), MissingControl);
    }
}

TEST_CASE("the Windows fonts are drawn in faces of their metrics where they are missing")
{
    EventLog form;
    const std::string sans = user().fontFace({"Events", "A"});
    const std::string serif = user().fontFace({"Events", "X"});
    CHECK_MESSAGE((sans == "Microsoft Sans Serif" || sans == "Liberation Sans"), sans);
    CHECK_MESSAGE((serif == "Times New Roman" || serif == "Liberation Serif"), serif);
}
