#include "runtime/toolkit.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QTranslator>

#include <utility>

#include "runtime/qt/appearance.h"
#include "runtime/qt/picture.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

class QtToolkit final : public Toolkit {
public:
    QtToolkit(int &argc, char **argv, const Identity &identity) : Toolkit(identity), app_(argc, argv)
    {
        // The title message boxes without one of their own show. Not a
        // display name: Qt would append that to every title.
        QApplication::setApplicationName(QString::fromUtf8(identity.title));
        QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopId));
        QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
        QApplication::setWindowIcon(pictureIcon(identity.icon));
        // The program ends when its last window is unloaded, not merely hidden.
        QApplication::setQuitOnLastWindowClosed(false);
        // Qt's own texts (a text box's menu, the message box's button) in
        // Italian too, whatever the user's language.
        if (italian_.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&italian_);
    }

    std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form) override
    {
        return makeWindow(layout, form);
    }

    void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title) override
    {
        const QPointer<QWidget> owner = QApplication::activeWindow();
        QMessageBox box(icon == MsgBoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, toQString(title),
                        toQString(prompt), QMessageBox::Ok, owner);
        box.exec();
        // As on Windows, the window that owned the box is active again,
        // whatever the window manager (or its absence) would choose.
        if (owner && owner->isVisible())
            owner->activateWindow();
    }

    int run() override
    {
        if (std::exchange(quitPending_, false))
            return 0;
        running_ = true;
        const int code = QApplication::exec();
        running_ = false;
        quitPending_ = false;
        return code;
    }

    void quit() override
    {
        quitPending_ = true;
        // Queued, so that the handler asking for the end returns first; a
        // run() entered later sees quitPending_ instead.
        post([this] {
            if (quitPending_ && running_)
                QCoreApplication::exit(0);
        });
    }

    void cancelQuit() override { quitPending_ = false; }

    void post(std::function<void()> task) override
    {
        QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
    }

    Separators userSeparators() override
    {
        const QLocale user = QLocale::system();
        return {user.groupSeparator().toStdString(), user.decimalPoint().toStdString()};
    }

    // The palette's nearest to the Windows scheme's window (5), window frame
    // (6) and button face (15); any other is taken for a text.
    Colour systemColour(int index) override
    {
        const QPalette::ColorRole role = index == 5    ? QPalette::Base
                                         : index == 6  ? QPalette::Dark
                                         : index == 15 ? QPalette::Button
                                                       : QPalette::WindowText;
        return toColour(QApplication::palette().color(role));
    }

private:
    QApplication app_;
    QTranslator italian_;
    // The end asked for and not yet seen by a run().
    bool quitPending_ = false;
    // Qt's exit() outside its event loop would end every loop started
    // later, a message box's among them, at once.
    bool running_ = false;
};

} // namespace
} // namespace runtime::qt

std::unique_ptr<runtime::Toolkit> runtime::makeToolkit(int &argc, char **argv, const Identity &identity)
{
    return std::make_unique<qt::QtToolkit>(argc, argv, identity);
}
