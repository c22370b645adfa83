// What only the Qt backend can get wrong: Qt's own texts, and drawing at the
// screen's resolution.
#include <doctest/doctest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

#include "qt_user.h"
#include "window_fixture.h"

TEST_CASE("Qt's own texts are Italian, whatever the user's language")
{
    ConverterWindow window;
    const std::unique_ptr<QMenu> menu(qobject_cast<QLineEdit *>(controlWidget(Text1))->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    CHECK(texts.contains(QStringLiteral("Ann&ulla")));
    CHECK(texts.contains(QStringLiteral("&Incolla")));
}

TEST_CASE("the coin is drawn from its design at the screen's resolution")
{
    ConverterWindow window;
    const QImage shown = controlWidget({"Form1", "Image1"})->grab().toImage().convertToFormat(QImage::Format_RGB888);
    const qreal ratio = shown.devicePixelRatio();
    QImage design;
    if (ratio == 1) {
        // At 100 % the very picture the program ships.
        design.load(QStringLiteral(VALUTRINO_PICTURES "/euro-coin-64.png"));
    } else {
        // Enlarged, a 64-pixel picture would blur every edge of this one.
        const int size = qRound(64 * ratio);
        design = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        design.fill(Qt::transparent);
        QPainter painter(&design);
        QSvgRenderer(QStringLiteral(VALUTRINO_DESIGN)).render(&painter);
    }
    CAPTURE(ratio);
    CHECK(shown == design.convertToFormat(QImage::Format_RGB888));
}

TEST_CASE("the prompt draws one line, clipped at its box, and nothing under it")
{
    ConverterWindow window;
    auto *prompt = qobject_cast<QLabel *>(controlWidget({"Form1", "Label2"}));
    const QRect box = prompt->geometry();
    const int lineHeight = prompt->fontMetrics().height();
    REQUIRE(lineHeight < box.height());
    int inked = 0;
    for (int y = box.top() + lineHeight; y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            inked += window.u.pixel("Form1", {x, y}) != 0xCAE3ED;
    CHECK(inked == 0);
}
