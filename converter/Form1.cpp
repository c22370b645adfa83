#include "converter/Form1.h"

#include "about/frmAbout.h"
#include "app/colours.h"
#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "runtime/message_box.h"

using amounts::Direction;
using runtime::False;
using runtime::True;

Form1::Form1(runtime::Platform &platform)
    : Form(Layout()), platform_(platform), separators_(runtime::userSeparators())
{
}

Form1::~Form1() = default;

void Form1::bind()
{
    Option1 = &control<runtime::OptionButton>("Option1");
    Option2 = &control<runtime::OptionButton>("Option2");
    Label1 = controlArray<runtime::Label>("Label1");
    Text1 = &control<runtime::TextBox>("Text1");
    Text2 = &control<runtime::TextBox>("Text2");
    // Amounts are read with a point, which an Italian keyboard's keypad
    // does not type.
    Text1->setNumpadDecimal(".");
    Text2->setNumpadDecimal(".");
    Command1 = controlArray<runtime::CommandButton>("Command1");
    Command3 = controlArray<runtime::CommandButton>("Command3");
    info = &control<runtime::MenuItem>("info");
    chiudi = &control<runtime::MenuItem>("chiudi");

    Text1->Change = [this] { Text1_Change(); };
    Text2->Change = [this] { Text2_Change(); };
    Option1->Click = [this] { Option1_Click(); };
    Option2->Click = [this] { Option2_Click(); };
    Command1.onClick([this](runtime::Index index) { Command1_Click(index); });
    Command3.onClick([this](runtime::Index index) { Command3_Click(index); });
    info->Click = [this] { info_Click(); };
    chiudi->Click = [this] { chiudi_Click(); };
}

void Form1::Form_Load()
{
    // Option1 is laid out selected, so this raises no Click (whose first step
    // would move the focus in a window not yet shown).
    Option1->setValue(True);
    Text1->setLocked(False);
    Option2->setValue(False);
    Text2->setLocked(True);
    Text1->setText("");
    Label1(0).setForeColor(colours::Red);
    Option1->setForeColor(colours::Red);
}

// The guards on the selected currency stop the loop the two boxes would
// otherwise form, since each conversion writes into the other box.
void Form1::Text1_Change()
{
    if (!Option1->value())
        return;
    convert(*Text1, *Text2, Direction::LireToEuro);
}

void Form1::Text2_Change()
{
    if (!Option2->value())
        return;
    convert(*Text2, *Text1, Direction::EuroToLire);
}

void Form1::convert(runtime::TextBox &source, runtime::TextBox &target, Direction direction)
{
    // An amount beyond the double range, or a product that leaves it, is
    // refused like an amount over the ceiling rather than shown as "inf".
    if (const auto result = amounts::convert(amounts::readAmount(source.text()), direction)) {
        target.setText(amounts::formatAmount(*result, {separators_.group, separators_.decimal}));
        if (!amounts::exceedsCeiling(amounts::readAmount(source.text()).value, direction))
            return;
    }
    // The converted value stays in view while the message is up. The source
    // is emptied first: its own conversion then writes a zero into the target,
    // which the second assignment removes.
    runtime::MsgBox("Importo non valido", runtime::MsgBoxIcon::Critical, "Errore di digitazione");
    source.setText("");
    target.setText("");
    source.setFocus();
}

void Form1::Option1_Click()
{
    Text1->setFocus();
    Option1->setValue(True);
    Text1->setLocked(False);
    Option2->setValue(False);
    Text2->setLocked(True);
    Text1->setText("");
    Text2->setText("");
    Label1(0).setForeColor(colours::Red);
    Option1->setForeColor(colours::Red);
    Label1(1).setForeColor(colours::Black);
    Option2->setForeColor(colours::Black);
}

void Form1::Option2_Click()
{
    Text2->setText("");
    Text1->setText("");
    Text2->setFocus();
    Option1->setValue(False);
    Text1->setLocked(True);
    Option2->setValue(True);
    Text2->setLocked(False);
    Label1(0).setForeColor(colours::Black);
    Option1->setForeColor(colours::Black);
    Label1(1).setForeColor(colours::Red);
    Option2->setForeColor(colours::Red);
}

void Form1::Command1_Click(runtime::Index Index)
{
    // The caption, not the index, says which key it is: the indices have gaps.
    const std::string key = Command1(Index).caption();
    if (Option1->value())
        Text1->setText(Text1->text() + key);
    else
        Text2->setText(Text2->text() + key);
}

void Form1::Command3_Click(runtime::Index /*Index*/)
{
    if (Option1->value()) {
        Text1->setText("");
        Text1->setFocus();
        Text2->setText("");
    }
    if (Option2->value()) {
        Text2->setText("");
        Text2->setFocus();
        Text1->setText("");
    }
}

void Form1::info_Click()
{
    if (!about_)
        about_ = std::make_unique<frmAbout>(platform_);
    // An About window already open is only brought to the front.
    about_->show();
}

void Form1::chiudi_Click()
{
    runtime::endProgram();
}
