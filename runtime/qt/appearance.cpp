#include "runtime/qt/appearance.h"

#include <QPalette>
#include <QWidget>

namespace runtime::qt {

QColor toQColor(Colour colour)
{
    // The only system colour the windows name is the window frame, black in
    // the usual schemes and with no equivalent here.
    if (colour & 0x80000000u)
        return Qt::black;
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QFont toQFont(const Font &font)
{
    // Liberation fonts share the metrics of the Windows fonts the layout was
    // drawn with, so the twips still fit where the originals are missing.
    const QString family = QString::fromLatin1(font.family);
    QFont qfont;
    qfont.setFamilies({family, family.startsWith(u"Times") ? QStringLiteral("Liberation Serif")
                                                           : QStringLiteral("Liberation Sans")});
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
