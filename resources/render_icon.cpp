// Renders the euro-coin design into every picture the program ships, so that
// no hand-kept copy can drift from the design: the 64-pixel 24-bit image, the
// 32-pixel 32-bit image, a Windows icon holding both, and a 192-pixel bitmap
// from which Windows draws the coin sharp above 100 % scaling.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

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

template <class T> void put(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// One icon image as Windows keeps it: a bitmap header, the colours bottom-up
// (BGR or BGRA), then an AND mask, all clear since the pictures are opaque.
QByteArray iconImage(const QImage &image, int bitCount)
{
    const int size = image.width();
    const int colourRow = (size * bitCount / 8 + 3) & ~3;
    const int maskRow = (size / 8 + 3) & ~3;
    QByteArray out;
    put<quint32>(out, 40);
    put<qint32>(out, size);
    put<qint32>(out, size * 2); // colours and mask together
    put<quint16>(out, 1);
    put<quint16>(out, quint16(bitCount));
    put<quint32>(out, 0);
    put<quint32>(out, quint32((colourRow + maskRow) * size));
    for (int i = 0; i < 4; ++i)
        put<quint32>(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            row.append(char(qBlue(pixel))).append(char(qGreen(pixel))).append(char(qRed(pixel)));
            if (bitCount == 32)
                row.append(char(qAlpha(pixel)));
        }
        out.append(row.leftJustified(colourRow, '\0'));
    }
    out.append(QByteArray(maskRow * size, '\0'));
    return out;
}

QByteArray icon(const std::vector<std::pair<QImage, int>> &images)
{
    QByteArray header;
    put<quint16>(header, 0);
    put<quint16>(header, 1); // an icon
    put<quint16>(header, quint16(images.size()));
    QByteArray data;
    quint32 offset = quint32(6 + 16 * images.size());
    for (const auto &[image, bitCount] : images) {
        const QByteArray bytes = iconImage(image, bitCount);
        header.append(char(image.width())).append(char(image.height())).append('\0').append('\0');
        put<quint16>(header, 1);
        put<quint16>(header, quint16(bitCount));
        put<quint32>(header, quint32(bytes.size()));
        put<quint32>(header, offset + quint32(data.size()));
        data.append(bytes);
    }
    return header + data;
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
    if (!design.isValid())
        return 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QImage large = render(design, 64, QImage::Format_RGB888);
    const QImage small = render(design, 32, QImage::Format_ARGB32);
    const QImage huge = render(design, 192, QImage::Format_RGB888);
    QFile ico(out + QStringLiteral("/euro-coin.ico"));
    const bool ok = large.save(out + QStringLiteral("/euro-coin-64.png")) && small.save(out + QStringLiteral("/euro-coin-32.png"))
                    && huge.save(out + QStringLiteral("/euro-coin-192.bmp"))
                    && ico.open(QIODevice::WriteOnly) && ico.write(icon({{large, 24}, {small, 32}})) > 0;
    return ok ? 0 : 1;
}
