#pragma once

#include <QObject>
#include <QRadioButton>

namespace runtime {

// Click of an option button: raised when it becomes selected, by the user or
// by the program, and never when it already was, so a handler that selects
// its own button again does not run twice. The button that loses the
// selection raises nothing.
template <class Handler> void onOptionClick(QRadioButton *option, Handler handler)
{
    QObject::connect(option, &QAbstractButton::toggled, option, [handler](bool selected) {
        if (selected)
            handler();
    });
}

} // namespace runtime
