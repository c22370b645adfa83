// Writes pictures of the windows as a user sees them, rendered at 96 dpi
// without a display, so that anyone can compare them with the layout. Under
// QT_SCALE_FACTOR=2 the names end in "@2x".
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

#include "converter/Form1.h"
#include "platform/desktop_platform.h"
#include "app/identity.h"
#include "runtime/program.h"

namespace {

QWidget *window(const char *name)
{
    for (QWidget *frame : QApplication::topLevelWidgets())
        if (frame->objectName() == QLatin1String(name) && frame->isVisible())
            return frame;
    return nullptr;
}

bool save(const char *name, const QDir &out, const QString &file)
{
    QWidget *frame = window(name);
    if (!frame || !QTest::qWaitForWindowExposed(frame))
        return false;
    const QPixmap picture = frame->grab();
    const qreal ratio = picture.devicePixelRatio();
    const QString path =
        out.filePath(ratio == 1 ? file + QStringLiteral(".png") : QStringLiteral("%1@%2x.png").arg(file).arg(ratio));
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    runtime::Application application(runtime::makeToolkit(argc, argv, kValutrino));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    DesktopPlatform platform;
    Form1 form1(platform);
    form1.show();
    bool ok = save("Form1", out, QStringLiteral("converter-lire"));

    QWidget *converter = window("Form1");
    QTest::mouseClick(converter->findChild<QRadioButton *>(QStringLiteral("Option2")), Qt::LeftButton);
    QTest::keyClicks(converter->findChild<QLineEdit *>(QStringLiteral("Text2")), QStringLiteral("1234.5"));
    ok = save("Form1", out, QStringLiteral("converter-euro")) && ok;

    converter->findChild<QAction *>(QStringLiteral("info"))->trigger();
    ok = save("frmAbout", out, QStringLiteral("about")) && ok;
    return ok ? 0 : 1;
}
