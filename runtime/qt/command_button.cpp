#include <QPushButton>

#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

class QtCommandButton final : public CommandButton {
public:
    explicit QtCommandButton(QPushButton *button) : button_(button)
    {
        QObject::connect(button_, &QAbstractButton::clicked, button_, [this] { Click.raise(); });
    }

    std::string caption() const override { return button_->text().toStdString(); }

private:
    QPushButton *button_;
};

} // namespace

Made makeCommandButton(const ControlLayout &row, QWidget *client)
{
    auto *button = new QPushButton(QString::fromUtf8(row.caption), client);
    return {button, std::make_unique<QtCommandButton>(button)};
}

} // namespace runtime::qt
