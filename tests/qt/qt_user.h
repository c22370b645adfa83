#pragma once

#include <QWidget>

#include "user.h"

// The Qt user's own look-up, for the Qt-only tests: the control's widget.
QWidget *controlWidget(Ref control);
