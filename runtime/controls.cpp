#include "runtime/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace runtime {

QColor toQColor(std::uint32_t colour)
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
    qfont.setFamilies({family, family.startsWith(u"Times") ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans")});
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

void setForeColour(QWidget *control, std::uint32_t colour)
{
    QPalette palette = control->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(QPalette::WindowText, qcolour);
    palette.setColor(QPalette::ButtonText, qcolour);
    palette.setColor(QPalette::Text, qcolour);
    control->setPalette(palette);
}

void setBackColour(QWidget *control, std::uint32_t colour)
{
    QPalette palette = control->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(control->backgroundRole(), qcolour);
    palette.setColor(QPalette::Base, qcolour); // inside a text box
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

namespace {

// The standard dialog font, for controls without a font of their own.
constexpr Font kDefaultFont{"MS Sans Serif", 8, false};

QWidget *create(const Control &row)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption);
        label->setAlignment(row.alignment | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case Kind::OptionButton:
        return new QRadioButton(caption);
    case Kind::TextBox: {
        auto *box = new QLineEdit(caption);
        box->setAlignment(row.alignment);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit, not Qt's 32767
        return box;
    }
    case Kind::Picture:
    case Kind::StretchedPicture: {
        auto *picture = new QLabel;
        picture->setPixmap(QPixmap(caption));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setScaledContents(row.kind == Kind::StretchedPicture);
        return picture;
    }
    case Kind::CommandButton:
        return new QPushButton(caption);
    case Kind::Line: {
        auto *line = new QWidget;
        setBackColour(line, row.foreColour);
        return line;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

void layOut(QWidget *window, QWidget *client, const Window &settings, std::span<const Control> controls)
{
    window->setWindowTitle(QString::fromUtf8(settings.title));
    client->setFixedSize(pixels(settings.clientWidth), pixels(settings.clientHeight));
    setBackColour(client, settings.backColour);
    client->setFont(toQFont(kDefaultFont));

    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const Control &row : controls) {
        QWidget *widget = create(row);
        widget->setParent(client);
        widget->setObjectName(QString::fromLatin1(row.name));
        if (row.index != kNoIndex)
            widget->setProperty("Index", row.index);
        widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        if (row.font)
            widget->setFont(toQFont(*row.font));
        if (row.foreColour != kNoColour && row.kind != Kind::Line)
            setForeColour(widget, row.foreColour);
        if (row.backColour != kNoColour)
            setBackColour(widget, row.backColour);
        if (row.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        tabStops.emplace_back(row.tab, widget);
    }
    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    if (!tabStops.empty())
        tabStops.front().second->setFocus();
}

} // namespace runtime
