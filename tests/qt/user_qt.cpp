// The user of tests/user.h on Qt, and the window tests' main: the toolkit
// first, then doctest.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cctype>

#include "app/identity.h"
#include "runtime/program.h"
#include "qt_user.h"

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

runtime::Colour toColour(QColor colour)
{
    return runtime::Colour(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

// The shown window of that name, or else a hidden one.
QWidget *window(std::string_view name)
{
    QWidget *found = nullptr;
    for (QWidget *frame : QApplication::topLevelWidgets())
        if (frame->objectName() == toQString(name) && (!found || frame->isVisible()))
            found = frame;
    REQUIRE_MESSAGE(found, "no window " << std::string(name));
    return found;
}

class QtUser final : public User {
public:
    explicit QtUser(runtime::Application &application) : application_(application)
    {
        // A message box is answered as soon as it is up, so that no test hangs.
        QObject::connect(&answering_, &QTimer::timeout, &answering_, [this] { answer(); });
        answering_.start(10);
    }

    void waitUntilShown(std::string_view name) override { REQUIRE(QTest::qWaitForWindowActive(window(name))); }

    void click(Ref ref) override
    {
        QWidget *target = controlWidget(ref);
        activate(target->window());
        clickOnScreen(target, target->rect().center());
        settle();
    }

    void chooseMenu(std::string_view name, std::string_view item) override
    {
        QWidget *frame = window(name);
        activate(frame);
        auto *action = frame->findChild<QAction *>(toQString(item));
        REQUIRE_MESSAGE(action, "no menu item " << std::string(item));
        auto *menu = qobject_cast<QMenu *>(action->parent());
        QMenuBar *bar = frame->findChild<QMenuBar *>();
        clickOnScreen(bar, bar->actionGeometry(menu->menuAction()).center());
        REQUIRE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        clickOnScreen(menu, menu->actionGeometry(action).center());
        settle();
    }

    void type(std::string_view text) override
    {
        QTest::keyClicks(focusWidget(), toQString(text));
        settle();
    }

    void press(Key key) override
    {
        // In Key's order. The numeric keypad's decimal key sends "," with an
        // Italian layout.
        static constexpr QKeyCombination kKeys[] = {
            Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Delete, Qt::ControlModifier | Qt::Key_A,
            Qt::KeypadModifier | Qt::Key_Comma,
        };
        const QKeyCombination pressed = kKeys[int(key)];
        QTest::keyClick(focusWidget(), pressed.key(), pressed.keyboardModifiers());
        settle();
    }

    void pressAlt(char letter) override
    {
        const auto key = Qt::Key(Qt::Key_A + (std::toupper(letter) - 'A'));
        QTest::keyClick(focusWidget(), key, Qt::AltModifier);
        // An access key presses its button after a short animation.
        const bool released = QTest::qWaitFor([] {
            for (QWidget *frame : QApplication::topLevelWidgets())
                for (QAbstractButton *button : frame->findChildren<QAbstractButton *>())
                    if (button->isDown())
                        return false;
            return true;
        });
        REQUIRE_MESSAGE(released, "a button stays pressed");
        settle();
    }

    void paste(std::string_view text) override
    {
        QApplication::clipboard()->setText(toQString(text));
        QTest::keyClick(focusWidget(), Qt::Key_V, Qt::ControlModifier);
        settle();
    }

    void close(std::string_view name) override
    {
        // As the title bar's button does: through the window system.
        window(name)->windowHandle()->close();
        settle();
    }

    int openWindows(std::string_view name) override
    {
        int open = 0;
        for (QWidget *frame : QApplication::topLevelWidgets())
            open += frame->objectName() == toQString(name) && frame->isVisible();
        return open;
    }

    std::string title(std::string_view name) override { return window(name)->windowTitle().toStdString(); }
    Point clientSize(std::string_view name) override { return {client(name)->width(), client(name)->height()}; }

    Point clientOrigin(std::string_view name) override
    {
        const QPoint origin = client(name)->mapToGlobal(QPoint(0, 0));
        return {origin.x(), origin.y()};
    }

    runtime::Colour pixel(std::string_view name, Point at) override
    {
        settle();
        const QImage picture = client(name)->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        return toColour(picture.pixelColor(int(at.x * ratio), int(at.y * ratio)));
    }

    // A box's, a label's and a button's text alike.
    std::string text(Ref ref) override { return controlWidget(ref)->property("text").toString().toStdString(); }

    runtime::Colour foreColour(Ref ref) override
    {
        QWidget *shown = controlWidget(ref);
        return toColour(shown->palette().color(shown->foregroundRole()));
    }

    bool bold(Ref ref) override { return controlWidget(ref)->font().bold(); }
    std::string fontFace(Ref ref) override { return controlWidget(ref)->fontInfo().family().toStdString(); }
    bool selected(Ref ref) override { return controlWidget(ref)->property("checked").toBool(); }
    bool locked(Ref ref) override { return controlWidget(ref)->property("readOnly").toBool(); }

    std::string accessibleName() override
    {
        return QAccessible::queryAccessibleInterface(focusWidget())->text(QAccessible::Name).toStdString();
    }

    std::string focused() override
    {
        const QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return {};
        const QVariant index = focus->property("Index");
        return (focus->objectName() + (index.isValid() ? QStringLiteral("(%1)").arg(index.toInt()) : QString()))
            .toStdString();
    }

    bool programEnds(std::chrono::milliseconds within) override
    {
        QTimer failsafe;
        failsafe.setSingleShot(true);
        QObject::connect(&failsafe, &QTimer::timeout, &failsafe, [] { QCoreApplication::exit(-1); });
        failsafe.start(within);
        return application_.run() == 0;
    }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        messages.push_back({box->text().toStdString(), box->windowTitle().toStdString(),
                            box->icon() == QMessageBox::Critical ? runtime::MsgBoxIcon::Critical
                                                                 : runtime::MsgBoxIcon::None});
        if (onMessage)
            onMessage();
        box->button(QMessageBox::Ok)->click();
    }

    // Runs what the last input caused, down to the windows it unloaded.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // The pointer moved onto the point and clicked there, through the window
    // system as with a real mouse. Qt knows where the pointer is only from
    // such events, and a menu (from Qt 6.8) takes no click until the pointer
    // has moved away from where it was when the menu opened.
    static void clickOnScreen(QWidget *widget, QPoint at)
    {
        QWindow *screenWindow = widget->window()->windowHandle();
        const QPoint there = screenWindow->mapFromGlobal(widget->mapToGlobal(at));
        QTest::mouseMove(screenWindow, there);
        QTest::mouseClick(screenWindow, Qt::LeftButton, {}, there);
    }

    static void activate(QWidget *frame)
    {
        if (QApplication::activeWindow() == frame)
            return;
        frame->activateWindow();
        REQUIRE(QTest::qWaitForWindowActive(frame));
    }

    static QWidget *focusWidget()
    {
        QWidget *focus = QApplication::focusWidget();
        REQUIRE_MESSAGE(focus, "no control has the focus");
        return focus;
    }

    static QWidget *client(std::string_view name)
    {
        QWidget *frame = window(name);
        if (auto *main = qobject_cast<QMainWindow *>(frame))
            return main->centralWidget();
        return frame;
    }

    runtime::Application &application_;
    QTimer answering_;
};

QtUser *theUser = nullptr;

} // namespace

QWidget *controlWidget(Ref ref)
{
    for (QWidget *child : window(ref.window)->findChildren<QWidget *>(toQString(ref.name))) {
        const QVariant index = child->property("Index");
        if (index.isValid() ? index.toInt() == ref.index : ref.index == runtime::kNoIndex)
            return child;
    }
    FAIL("no control " << std::string(ref.name) << "(" << ref.index << ") in " << std::string(ref.window));
    return nullptr;
}

User &user()
{
    return *theUser;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The amounts the tests expect are Italian unless the run says otherwise.
    if (qEnvironmentVariableIsEmpty("LC_ALL"))
        qputenv("LC_ALL", "it_IT.UTF-8");
    runtime::Application application(runtime::makeToolkit(argc, argv, kValutrino));
    QtUser qtUser(application);
    theUser = &qtUser;
    return doctest::Context(argc, argv).run();
}
