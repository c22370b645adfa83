// Writes pictures of the windows as a user sees them, rendered at 96 dpi
// without a display, so that anyone can compare them with the layout.
#include <QApplication>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

#include "app/desktop_platform.h"
#include "converter/Form1.h"

namespace {

bool save(QWidget *window, const QString &path)
{
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    DesktopPlatform platform;
    Form1 form1(platform);
    form1.show();
    QWidget *window = form1.window();
    bool ok = save(window, out.filePath(QStringLiteral("converter-lire.png")));

    QTest::mouseClick(window->findChild<QRadioButton *>(QStringLiteral("Option2")), Qt::LeftButton);
    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("Text2")), QStringLiteral("1234.5"));
    ok = save(window, out.filePath(QStringLiteral("converter-euro.png"))) && ok;

    window->findChild<QAction *>(QStringLiteral("info"))->trigger();
    for (QWidget *about : QApplication::topLevelWidgets())
        if (about->objectName() == u"frmAbout")
            ok = save(about, out.filePath(QStringLiteral("about.png"))) && ok;
    return ok ? 0 : 1;
}
