#pragma once

#include <memory>

#include "runtime/controls.h"
#include "runtime/layout.h"
#include "runtime/window.h"

class QWidget;

namespace runtime {
class Form;
}

namespace runtime::qt {

std::unique_ptr<Window> makeWindow(const WindowLayout &layout, Form &form);

// A control made on its window's client area from its row of the layout:
// the widget that shows it, and what the windows may do with it (nothing,
// for a picture or a line). The window sets what every kind shares: name,
// index, geometry, font, colours, accessible name, tab order.
struct Made {
    QWidget *widget;
    std::unique_ptr<Control> control;
};

Made makeTextBox(const ControlLayout &row, QWidget *client);
Made makeOptionButton(const ControlLayout &row, QWidget *client);
Made makeCommandButton(const ControlLayout &row, QWidget *client);
Made makeLabel(const ControlLayout &row, QWidget *client);
Made makePicture(const ControlLayout &row, QWidget *client);
Made makeLine(const ControlLayout &row, QWidget *client);

} // namespace runtime::qt
