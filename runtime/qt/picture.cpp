#include "runtime/qt/picture.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

QString designPath(const char *name)
{
    return QStringLiteral(":/%1.svg").arg(QLatin1String(name));
}

QImage drawn(QSvgRenderer &design, QSize devicePixels)
{
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    design.render(&painter);
    return image;
}

// Drawn at the screen's own resolution, so that it stays sharp at 150 % and
// 200 % instead of a small image enlarged. At 100 % it is the picture the
// program ships, scaled to its box when stretched, as it always was.
class PictureWidget : public QWidget {
public:
    PictureWidget(const char *name, bool stretched, QWidget *parent)
        : QWidget(parent), design_(designPath(name)), stretched_(stretched)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QSize natural = design_.defaultSize();
        const qreal ratio = devicePixelRatioF();
        const QSize device = (QSizeF(stretched_ ? size() : natural) * ratio).toSize();
        if (image_.size() != device) {
            image_ = ratio == 1
                         ? drawn(design_, natural).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : drawn(design_, device);
            image_.setDevicePixelRatio(ratio);
        }
        QPainter(this).drawImage(0, 0, image_);
    }

private:
    QSvgRenderer design_;
    bool stretched_;
    QImage image_;
};

class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const char *name) : name_(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(designPath(name_)).render(painter, rect);
    }
    QIconEngine *clone() const override { return new PictureIconEngine(name_); }

private:
    const char *name_;
};

} // namespace

QIcon pictureIcon(const char *name)
{
    return QIcon(new PictureIconEngine(name));
}

Made makePicture(const ControlLayout &row, QWidget *client)
{
    return {new PictureWidget(row.caption, row.kind == Kind::StretchedPicture, client), nullptr};
}

} // namespace runtime::qt
