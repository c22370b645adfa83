#pragma once

#include <QColor>
#include <QFont>

#include "runtime/appearance.h"

class QWidget;

namespace runtime::qt {

// Qt's pixels are those of a 96 dpi screen, scaled by Qt itself.
constexpr int pixels(int twips)
{
    return runtime::pixels(twips, 96);
}

QColor toQColor(Colour colour);
Colour toColour(const QColor &colour);
QFont toQFont(const Font &font);
// The colour of a control's text, whatever kind of widget draws it.
void setForeColour(QWidget *widget, Colour colour);
// An opaque background of that colour.
void setBackColour(QWidget *widget, Colour colour);

} // namespace runtime::qt
