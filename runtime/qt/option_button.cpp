#include <QRadioButton>

#include "runtime/qt/appearance.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

// A click or an arrow key asks the owner to select it, instead of Qt
// checking it on its own.
class RadioButton : public QRadioButton {
public:
    RadioButton(const QString &text, QWidget *parent, std::function<void()> chosen)
        : QRadioButton(text, parent), chosen_(std::move(chosen))
    {
    }

protected:
    void nextCheckState() override { chosen_(); }

private:
    std::function<void()> chosen_;
};

class QtOptionButton final : public OptionButton {
public:
    QtOptionButton(const ControlLayout &row, QWidget *client)
        : button_(new RadioButton(QString::fromUtf8(row.caption), client, [this] { userSelected(); }))
    {
        button_->setChecked(row.value != False);
    }

    QRadioButton *widget() const { return button_; }
    Boolean value() const override { return button_->isChecked() ? True : False; }
    void setForeColor(Colour colour) override { setForeColour(button_, colour); }

protected:
    void showSelected(bool selected) override
    {
        if (selected || !button_->isChecked()) {
            button_->setChecked(selected);
            return;
        }
        // Qt keeps one button of a group selected; clearing the selected
        // one leaves the group without a selection, as the windows expect.
        button_->setAutoExclusive(false);
        button_->setChecked(false);
        button_->setAutoExclusive(true);
    }

private:
    QRadioButton *button_;
};

} // namespace

Made makeOptionButton(const ControlLayout &row, QWidget *client)
{
    auto button = std::make_unique<QtOptionButton>(row, client);
    QRadioButton *widget = button->widget();
    return {widget, std::move(button)};
}

} // namespace runtime::qt
