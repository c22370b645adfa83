#include "runtime/program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>
#include <vector>

#include "runtime/qt/application.h"
#include "runtime/qt/picture.h"

namespace runtime {
namespace {

// The end asked for and not yet seen by a run().
bool quitPending = false;
// Qt's exit() outside its event loop would end every loop started later,
// a message box's among them, at once.
bool running = false;
std::vector<std::unique_ptr<Window>> *unloadedWindows = nullptr;

} // namespace

struct Application::Toolkit {
    Toolkit(int &argc, char **argv) : app(argc, argv)
    {
        // The application's title, which message boxes without one of their
        // own show. Not a display name: Qt would append that to every title.
        QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
        QGuiApplication::setDesktopFileName(QStringLiteral("it.valutrino.Valutrino"));
        QApplication::setApplicationVersion(QStringLiteral(VALUTRINO_VERSION));
        QApplication::setWindowIcon(qt::pictureIcon("euro-coin"));
        // The program ends when its last window is unloaded, not merely hidden.
        QApplication::setQuitOnLastWindowClosed(false);
        // Qt's own texts (a text box's menu, the message box's button) in
        // Italian too, whatever the user's language.
        if (italian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&italian);
        unloadedWindows = &unloaded;
    }
    ~Toolkit() { unloadedWindows = nullptr; }

    QApplication app;
    QTranslator italian;
    // Last, so that these windows go while the application still stands.
    std::vector<std::unique_ptr<Window>> unloaded;
};

Application::Application(int &argc, char **argv) : toolkit_(std::make_unique<Toolkit>(argc, argv)) {}

Application::~Application() = default;

int Application::run()
{
    if (std::exchange(quitPending, false))
        return 0;
    running = true;
    const int code = QApplication::exec();
    running = false;
    quitPending = false;
    return code;
}

void quit()
{
    quitPending = true;
    // Queued, so that the handler asking for the end returns first; a run()
    // entered later sees quitPending instead.
    QMetaObject::invokeMethod(
        qApp, [] {
            if (quitPending && running)
                QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

void cancelQuit()
{
    quitPending = false;
}

namespace qt {

void keepUntilHandlerReturns(std::unique_ptr<Window> window)
{
    unloadedWindows->push_back(std::move(window));
    QMetaObject::invokeMethod(
        qApp, [] { std::vector<std::unique_ptr<Window>>().swap(*unloadedWindows); }, Qt::QueuedConnection);
}

} // namespace qt
} // namespace runtime
