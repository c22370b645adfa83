#pragma once

#include <QColor>
#include <QFont>

#include "runtime/layout.h"

class QWidget;

namespace runtime::qt {

inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

QColor toQColor(Colour colour);
QFont toQFont(const Font &font);
// The colour of a control's text, whatever kind of widget draws it.
void setForeColour(QWidget *widget, Colour colour);
// An opaque background of that colour.
void setBackColour(QWidget *widget, Colour colour);

} // namespace runtime::qt
