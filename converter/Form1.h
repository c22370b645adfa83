#pragma once

#include <memory>

#include "converter/conversion.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/program.h"

class frmAbout;

namespace runtime {
class Platform;
}

// The converter window: choose the currency to convert from, type or key in
// an amount, read its equivalent at once.
class Form1 : public runtime::Form {
public:
    explicit Form1(runtime::Platform &platform);
    ~Form1() override;

private:
    static const runtime::WindowLayout &Layout();
    void bind() override;
    void Form_Load() override;

    void Text1_Change();
    void Text2_Change();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click(runtime::Index Index);
    void Command3_Click(runtime::Index Index);
    void info_Click();
    void chiudi_Click();

    void convert(runtime::TextBox &source, runtime::TextBox &target, amounts::Direction direction);

    runtime::OptionButton *Option1 = nullptr;
    runtime::OptionButton *Option2 = nullptr;
    runtime::ControlArray<runtime::Label> Label1;
    runtime::TextBox *Text1 = nullptr;
    runtime::TextBox *Text2 = nullptr;
    runtime::ControlArray<runtime::CommandButton> Command1;
    runtime::ControlArray<runtime::CommandButton> Command3;
    runtime::MenuItem *info = nullptr;
    runtime::MenuItem *chiudi = nullptr;

    runtime::Platform &platform_;
    // Made on the first "Info" and kept, loaded or not, until the program ends.
    std::unique_ptr<frmAbout> about_;
    // The user's separators, read once: the window formats every amount.
    const runtime::Separators separators_;
};
