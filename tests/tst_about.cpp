#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "converter/Form1.h"
#include "fake_platform.h"
#include "message_box_recorder.h"
#include "test_main.h"

namespace {

enum class Closing { OkButton, EnterKey, EscKey, CloseButton };

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void infoOpensTheAboutWindow();
    void secondInfoKeepsOneWindow();
    void closesAndOpensAgain_data();
    void closesAndOpensAgain();
    void enterOnSystemInfoDoesNotClose();
    void altSStartsSystemInfo_data();
    void altSStartsSystemInfo();
    void converterWorksBesideIt();
    void chiudiEndsWithAboutOpen();
    void closingConverterFirstKeepsProgramRunning();
    void closingAboutAloneKeepsConverter();

private:
    QWidget *openAbout();
    QWidget *aboutWindow() const;
    template <class T> T *inAbout(const char *name) const
    {
        return aboutWindow()->findChild<T *>(QString::fromLatin1(name));
    }
    static int runUntilEnd(QObject *context, std::function<void()> steps);

    FakePlatform platform;
    std::unique_ptr<MessageBoxRecorder> messageBoxes;
    std::unique_ptr<Form1> form;
};

void TestAbout::init()
{
    messageBoxes = std::make_unique<MessageBoxRecorder>();
    form = std::make_unique<Form1>(platform);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form->window()));
}

void TestAbout::cleanup()
{
    form.reset();
    messageBoxes.reset();
    platform = FakePlatform();
}

QWidget *TestAbout::aboutWindow() const
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"frmAbout" && window->isVisible())
            return window;
    return nullptr;
}

QWidget *TestAbout::openAbout()
{
    form->window()->findChild<QAction *>(QStringLiteral("info"))->trigger();
    QWidget *about = aboutWindow();
    if (about && !QTest::qWaitForWindowActive(about))
        return nullptr;
    return about;
}

// Runs the event loop as the program does, with steps taken once it runs;
// returns its exit code, or -1 when the program did not end within 5 s.
int TestAbout::runUntilEnd(QObject *context, std::function<void()> steps)
{
    QTimer::singleShot(0, context, steps);
    QTimer failsafe;
    failsafe.callOnTimeout([] { QApplication::exit(-1); });
    failsafe.start(5000);
    return QApplication::exec();
}

void TestAbout::infoOpensTheAboutWindow()
{
    QWidget *about = openAbout();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni su Valutrino"));
    QCOMPARE(inAbout<QLabel>("lblTitle")->text(), QStringLiteral("Valutrino"));
    QCOMPARE(inAbout<QLabel>("lblVersion")->text(), QStringLiteral("Versione 1.10 (06/01/2001)"));
    QCOMPARE(inAbout<QLabel>("Label1")->text().size(), 91);
    QCOMPARE(QApplication::focusWidget(), inAbout<QPushButton>("cmdOK"));
    QCOMPARE(about->size(), QSize(345, 156));
    QCOMPARE(about->geometry().topLeft(), QPoint(146, 206));
    QVERIFY(form->window()->isEnabled()); // not modal: the converter stays usable
}

void TestAbout::secondInfoKeepsOneWindow()
{
    QWidget *first = openAbout();
    QVERIFY(first);
    first->setWindowTitle(QStringLiteral("changed"));
    QCOMPARE(openAbout(), first);
    QCOMPARE(first->windowTitle(), QStringLiteral("changed")); // not loaded again
    int aboutWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        aboutWindows += window->objectName() == u"frmAbout";
    QCOMPARE(aboutWindows, 1);
}

void TestAbout::closesAndOpensAgain_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("OK") << Closing::OkButton;
    QTest::newRow("Enter") << Closing::EnterKey;
    QTest::newRow("Esc") << Closing::EscKey;
    QTest::newRow("title bar's close button") << Closing::CloseButton;
}

void TestAbout::closesAndOpensAgain()
{
    QFETCH(Closing, closing);
    QWidget *about = openAbout();
    QVERIFY(about);
    switch (closing) {
    case Closing::OkButton:
        QTest::mouseClick(inAbout<QPushButton>("cmdOK"), Qt::LeftButton);
        break;
    case Closing::EnterKey:
        QTest::keyClick(about, Qt::Key_Return);
        break;
    case Closing::EscKey:
        QTest::keyClick(about, Qt::Key_Escape);
        break;
    case Closing::CloseButton:
        about->close();
        break;
    }
    QCOMPARE(aboutWindow(), nullptr);
    QVERIFY(form->window()->isVisible());

    QWidget *again = openAbout();
    QVERIFY(again);
    QCOMPARE(again->windowTitle(), QStringLiteral("Informazioni su Valutrino"));
}

void TestAbout::enterOnSystemInfoDoesNotClose()
{
    QVERIFY(openAbout());
    inAbout<QPushButton>("cmdSysInfo")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(aboutWindow());
    QCOMPARE(messageBoxes->messages.size(), 1);
}

void TestAbout::altSStartsSystemInfo_data()
{
    QTest::addColumn<bool>("toolRecorded");
    QTest::newRow("tool found") << true;
    QTest::newRow("tool missing") << false;
}

void TestAbout::altSStartsSystemInfo()
{
    QFETCH(bool, toolRecorded);
    if (toolRecorded)
        platform.store.values.setString(runtime::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                        "/usr/bin/hardinfo");
    QWidget *about = openAbout();
    QVERIFY(about);
    QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
    if (toolRecorded) {
        QTRY_COMPARE(platform.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(messageBoxes->messages.isEmpty());
    } else {
        QTRY_COMPARE(messageBoxes->messages.size(), 1);
        QVERIFY(platform.started.empty());
    }
    QCOMPARE(aboutWindow(), about);
}

void TestAbout::converterWorksBesideIt()
{
    QVERIFY(openAbout());
    auto *text1 = form->window()->findChild<QLineEdit *>(QStringLiteral("Text1"));
    QTest::keyClicks(text1, QStringLiteral("1936.27"));
    QCOMPARE(form->window()->findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), QStringLiteral("1,00"));
    QVERIFY(aboutWindow());
}

void TestAbout::chiudiEndsWithAboutOpen()
{
    QVERIFY(openAbout());
    QWidget *about = aboutWindow();
    const int code = runUntilEnd(form->window(), [this] {
        form->window()->findChild<QAction *>(QStringLiteral("chiudi"))->trigger();
    });
    QCOMPARE(code, 0);
    QVERIFY(!form->window()->isVisible());
    QVERIFY(!about->isVisible());
}

void TestAbout::closingConverterFirstKeepsProgramRunning()
{
    QVERIFY(openAbout());
    bool runningWithAboutOnly = false;
    const int code = runUntilEnd(aboutWindow(), [&] {
        form->window()->close();
        QTimer::singleShot(50, aboutWindow(), [&] {
            runningWithAboutOnly = !form->isLoaded() && aboutWindow();
            aboutWindow()->close();
        });
    });
    QVERIFY(runningWithAboutOnly);
    QCOMPARE(code, 0);
}

void TestAbout::closingAboutAloneKeepsConverter()
{
    QVERIFY(openAbout());
    const int code = runUntilEnd(form->window(), [&] {
        aboutWindow()->close();
        // Still running 50 ms later: end it by hand with a code of our own.
        QTimer::singleShot(50, form->window(), [] { QApplication::exit(7); });
    });
    QCOMPARE(code, 7);
    QVERIFY(form->isLoaded());
}

VALUTRINO_TEST_MAIN(TestAbout)
#include "tst_about.moc"
