#include "runtime/qt/appearance.h"

#include <QPalette>
#include <QWidget>

namespace runtime::qt {

QColor toQColor(Colour colour)
{
    colour = drawnColour(colour);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour toColour(const QColor &colour)
{
    return Colour(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

QFont toQFont(const Font &font)
{
    const FontFaces faces = fontFaces(font);
    QStringList families;
    for (const char *name : faces.names)
        families << QString::fromLatin1(name);
    QFont qfont;
    qfont.setFamilies(families);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

void setForeColour(QWidget *widget, Colour colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(QPalette::WindowText, qcolour);
    palette.setColor(QPalette::ButtonText, qcolour);
    palette.setColor(QPalette::Text, qcolour);
    widget->setPalette(palette);
}

void setBackColour(QWidget *widget, Colour colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(widget->backgroundRole(), qcolour);
    palette.setColor(QPalette::Base, qcolour); // inside a text box
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace runtime::qt
