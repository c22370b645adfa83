#include <QRadioButton>

#include "runtime/qt/appearance.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

class QtOptionButton final : public OptionButton {
public:
    explicit QtOptionButton(QRadioButton *button) : button_(button)
    {
        // Qt toggles only on a change of state, so a button selected again
        // raises nothing; the one that loses the selection is left silent.
        QObject::connect(button_, &QAbstractButton::toggled, button_, [this](bool selected) {
            if (selected)
                Click.raise();
        });
    }

    Boolean value() const override { return button_->isChecked() ? True : False; }
    void setValue(Boolean value) override
    {
        if (value != False || !button_->isChecked()) {
            button_->setChecked(value != False);
            return;
        }
        // Qt keeps one button of a group selected; clearing the selected
        // one leaves the group without a selection, as the windows expect.
        button_->setAutoExclusive(false);
        button_->setChecked(false);
        button_->setAutoExclusive(true);
    }
    void setForeColor(Colour colour) override { setForeColour(button_, colour); }

private:
    QRadioButton *button_;
};

} // namespace

Made makeOptionButton(const ControlLayout &row, QWidget *client)
{
    auto *button = new QRadioButton(QString::fromUtf8(row.caption), client);
    button->setChecked(row.value != False);
    return {button, std::make_unique<QtOptionButton>(button)};
}

} // namespace runtime::qt
