#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/desktop_platform.h"
#include "converter/Form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's title, which message boxes without one of their own
    // show. Not a display name: Qt would append that to every window title.
    QApplication::setApplicationName(QStringLiteral("Valutrino"));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.valutrino.Valutrino"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/euro-coin-64.png")));
    // The program ends when its last window is unloaded, not merely hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own texts (the line edit's menu, the message box's button) in
    // Italian too, whatever the user's language.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    DesktopPlatform platform;
    Form1 form1(platform);
    form1.show();
    return QApplication::exec();
}
