#pragma once

#include <QIcon>

namespace runtime::qt {

// A picture of the layout by its name, as an icon drawn from its vector
// design at whatever size is asked of it.
QIcon pictureIcon(const char *name);

} // namespace runtime::qt
