// Renders the euro-coin design into the pictures the program ships, so that
// no hand-kept copy can drift from the design.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(QSvgRenderer &design, int size, QImage::Format format)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    design.render(&painter);
    painter.end();
    return image.convertToFormat(format);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DESIGN.svg OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSvgRenderer design(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    // The 64-pixel picture is 24-bit; the 32-pixel one 32-bit, still opaque.
    const bool ok = design.isValid() && render(design, 64, QImage::Format_RGB888).save(out + QStringLiteral("/euro-coin-64.png"))
                    && render(design, 32, QImage::Format_ARGB32).save(out + QStringLiteral("/euro-coin-32.png"));
    return ok ? 0 : 1;
}
