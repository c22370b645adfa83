#include <QWidget>

#include "runtime/qt/appearance.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {

Made makeLine(const ControlLayout &row, QWidget *client)
{
    // A strip as high as its box, one pixel for the windows' lines, filled
    // with the line's colour.
    auto *line = new QWidget(client);
    setBackColour(line, row.foreColour);
    return {line, nullptr};
}

} // namespace runtime::qt
