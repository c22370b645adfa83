#include "runtime/option_button.h"

namespace runtime {

void keepSelectedAsTabStop(QRadioButton *option)
{
    const auto update = [option](bool selected) { option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus); };
    update(option->isChecked());
    QObject::connect(option, &QAbstractButton::toggled, option, update);
}

} // namespace runtime
