#pragma once


#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "converter/conversion.h"
#include "runtime/controls.h"
#include "runtime/form.h"

class QAction;
class frmAbout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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
    static std::span<const runtime::Control> layout();
    QWidget *build() override;
    void Form_Load() override;

    void Text1_Change();
    void Text2_Change();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click(std::int16_t Index);
    void Command3_Click(std::int16_t Index);
    void info_Click();
    void chiudi_Click();

    void convert(QLineEdit *source, QLineEdit *target, amounts::Direction direction);
    double readAmount(const QLineEdit *box) const;

    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    runtime::ControlArray<QLabel> Label1;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    runtime::ControlArray<QPushButton> Command1;
    runtime::ControlArray<QPushButton> Command3;
    QAction *info = nullptr;
    QAction *chiudi = nullptr;

    runtime::Platform &platform_;
    // Made on the first "Info" and kept, loaded or not, until the program ends.
    std::unique_ptr<frmAbout> about_;

    // The user's separators, read once: the window formats every amount.
    std::string groupSeparator_;
    std::string decimalSeparator_;
};
