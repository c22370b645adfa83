#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

#include "converter/Form1.h"
#include "fake_platform.h"
#include "message_box_recorder.h"
#include "test_main.h"

namespace {

enum class Mode { Lire, Euro };

const QColor kRed(255, 0, 0);
const QColor kBeige(237, 227, 202);

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsInLireMode();
    void drawsOnTheWindowsBeige();
    void everyFocusableControlHasAName();
    void convertsAsTheUserTypes_data();
    void convertsAsTheUserTypes();
    void emptiedSourceShowsZero();
    void longTextIsReadWhole();
    void oneConversionPerChange();
    void refusesAmountsItCannotTake_data();
    void refusesAmountsItCannotTake();
    void keypadAppendsCaptionNotIndex_data();
    void keypadAppendsCaptionNotIndex();
    void keypadConvertsEachPress();
    void keypadWritesToTheSourceBox();
    void switchingModeSwapsBoxesAndHighlights();
    void clearEmptiesBothBoxes_data();
    void clearEmptiesBothBoxes();
    void tabVisitsControlsInOrder_data();
    void tabVisitsControlsInOrder();
    void enterAndEscPressNothing_data();
    void enterAndEscPressNothing();
    void numericKeypadDecimalTypesPoint();
    void fileMenuOpensWithAltF();
    void chiudiEndsTheProgram();

private:
    template <class T> T *find(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }
    QWidget *client() const { return qobject_cast<QMainWindow *>(window)->centralWidget(); }
    QPushButton *keypad(int index) const;
    QLabel *symbol(int index) const;
    QLineEdit *source(Mode mode) const { return find<QLineEdit>(mode == Mode::Lire ? "Text1" : "Text2"); }
    QLineEdit *target(Mode mode) const { return find<QLineEdit>(mode == Mode::Lire ? "Text2" : "Text1"); }
    void select(Mode mode);
    void paste(QLineEdit *box, const QString &text);

    FakePlatform platform;
    std::unique_ptr<MessageBoxRecorder> messageBoxes;
    std::unique_ptr<Form1> form;
    QWidget *window = nullptr;
};

void TestForm1::init()
{
    messageBoxes = std::make_unique<MessageBoxRecorder>();
    form = std::make_unique<Form1>(platform);
    form->show();
    window = form->window();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestForm1::cleanup()
{
    form.reset();
    messageBoxes.reset();
}

QPushButton *TestForm1::keypad(int index) const
{
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->property("Index").toInt() == index)
            return button;
    return nullptr;
}

QLabel *TestForm1::symbol(int index) const
{
    for (QLabel *label : window->findChildren<QLabel *>(QStringLiteral("Label1")))
        if (label->property("Index").toInt() == index)
            return label;
    return nullptr;
}

void TestForm1::select(Mode mode)
{
    QTest::mouseClick(find<QRadioButton>(mode == Mode::Lire ? "Option1" : "Option2"), Qt::LeftButton);
}

void TestForm1::paste(QLineEdit *box, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void TestForm1::startsInLireMode()
{
    auto *option1 = find<QRadioButton>("Option1");
    auto *option2 = find<QRadioButton>("Option2");
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QCOMPARE(option1->palette().color(QPalette::WindowText), kRed);
    QCOMPARE(symbol(0)->palette().color(QPalette::WindowText), kRed);
    QCOMPARE(option2->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(symbol(1)->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!find<QLineEdit>("Text1")->isReadOnly());
    QVERIFY(find<QLineEdit>("Text2")->isReadOnly());
    QCOMPARE(find<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(find<QLineEdit>("Text2")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("Text1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Convertitore"));
    QCOMPARE(client()->size(), QSize(350, 183));
    QCOMPARE(window->minimumSize(), window->maximumSize());
}

void TestForm1::drawsOnTheWindowsBeige()
{
    // Points beside the captions of the symbol labels and the option buttons.
    const QImage image = client()->grab().toImage();
    QCOMPARE(image.pixelColor(18, 120), kBeige);
    QCOMPARE(image.pixelColor(38, 72), kBeige);
    QCOMPARE(image.pixelColor(172, 60), kBeige);
}

void TestForm1::everyFocusableControlHasAName()
{
    // What a screen reader says: never empty, never a bare symbol or "&C".
    for (QWidget *control : client()->findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !name.contains(u'&') && name != u"£" && name != u"€",
                 qPrintable(control->objectName() + QStringLiteral(": ") + name));
    }
}

void TestForm1::convertsAsTheUserTypes_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("converted");

    QTest::newRow("1936.27 lire are one euro") << Mode::Lire << "1936.27" << "1,00";
    QTest::newRow("one euro in lire, grouped") << Mode::Euro << "1" << "1.936,27";
    QTest::newRow("half a euro rounds up to 968,14") << Mode::Euro << "0.5" << "968,14";
    QTest::newRow("lire ceiling itself is accepted") << Mode::Lire << "9000000000000" << "4.648.112.091,81";
    QTest::newRow("euro ceiling itself is accepted") << Mode::Euro << "90000000" << "174.264.300.000,00";
    QTest::newRow("trailing letters are ignored") << Mode::Lire << "12abc" << "0,01";
    QTest::newRow("a comma stops the amount") << Mode::Lire << "1,5" << "0,00";
    QTest::newRow("letters alone are zero") << Mode::Euro << "abc" << "0,00";
    QTest::newRow("negative amounts convert") << Mode::Euro << "-2" << "-3.872,54";
}

void TestForm1::convertsAsTheUserTypes()
{
    QFETCH(Mode, mode);
    QFETCH(QString, typed);
    QFETCH(QString, converted);

    select(mode);
    QTest::keyClicks(source(mode), typed);
    QCOMPARE(source(mode)->text(), typed);
    QCOMPARE(target(mode)->text(), converted);
    QVERIFY(messageBoxes->messages.isEmpty());
}

void TestForm1::emptiedSourceShowsZero()
{
    auto *text1 = find<QLineEdit>("Text1");
    QTest::keyClicks(text1, QStringLiteral("5000"));
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_Delete);
    QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("0,00"));
}

void TestForm1::longTextIsReadWhole()
{
    // Far beyond Qt's default limit of 32767 characters for a line edit.
    paste(find<QLineEdit>("Text1"), QString(100000, u'0') + QStringLiteral("1936.27"));
    QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("1,00"));
}

void TestForm1::oneConversionPerChange()
{
    // Each box writes into the other: without the guards this would never end.
    QSignalSpy text1Changes(find<QLineEdit>("Text1"), &QLineEdit::textChanged);
    QSignalSpy text2Changes(find<QLineEdit>("Text2"), &QLineEdit::textChanged);
    QTest::keyClicks(find<QLineEdit>("Text1"), QStringLiteral("42"));
    QCOMPARE(text1Changes.count(), 2);
    QCOMPARE(text2Changes.count(), 2);
}

void TestForm1::refusesAmountsItCannotTake_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shownDuringMessage");

    QTest::newRow("lire just over the ceiling") << Mode::Lire << "9000000000001" << "4.648.112.091,81";
    QTest::newRow("lire far over the ceiling") << Mode::Lire << "1e13" << "5.164.568.990,89";
    QTest::newRow("euro a cent over the ceiling") << Mode::Euro << "90000000.01" << "174.264.300.019,36";
    // Beyond what a double holds: refused, never shown as "inf".
    QTest::newRow("lire beyond any number") << Mode::Lire << "1e400" << "";
    QTest::newRow("negative lire beyond any number") << Mode::Lire << "-1e400" << "";
    QTest::newRow("euro whose lire overflow") << Mode::Euro << "1e306" << "";
}

void TestForm1::refusesAmountsItCannotTake()
{
    QFETCH(Mode, mode);
    QFETCH(QString, pasted);
    QFETCH(QString, shownDuringMessage);

    select(mode);
    QString shown;
    MessageBoxRecorder recorder([&] { shown = target(mode)->text(); });
    paste(source(mode), pasted);

    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].prompt, QStringLiteral("Importo non valido"));
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Errore di digitazione"));
    QCOMPARE(recorder.messages[0].icon, runtime::MsgBoxIcon::Critical);
    QCOMPARE(shown, shownDuringMessage);
    QCOMPARE(source(mode)->text(), QString());
    QCOMPARE(target(mode)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), source(mode));
}

void TestForm1::keypadAppendsCaptionNotIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("character");

    const std::pair<int, const char *> keys[] = {{0, "1"}, {1, "2"}, {2, "3"},  {4, "4"},  {5, "5"}, {6, "6"},
                                                 {8, "7"}, {9, "8"}, {10, "9"}, {13, "0"}, {3, "."}};
    for (const auto &[index, character] : keys)
        QTest::addRow("index %d types %s", index, character) << index << QString::fromLatin1(character);
}

void TestForm1::keypadAppendsCaptionNotIndex()
{
    QFETCH(int, index);
    QFETCH(QString, character);

    QTest::keyClicks(find<QLineEdit>("Text1"), QStringLiteral("1"));
    QTest::mouseClick(keypad(index), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("1") + character);
}

void TestForm1::keypadConvertsEachPress()
{
    const std::pair<int, const char *> presses[] = {{0, "0,00"},    {10, "0,01"},  {2, "0,10"},    {6, "1,00"},
                                                    {3, "1,00"},    {1, "1,00"},   {8, "1,00"}};
    for (const auto &[index, converted] : presses) {
        QTest::mouseClick(keypad(index), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("Text2")->text(), QString::fromLatin1(converted));
    }
    QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("1936.27"));
}

void TestForm1::keypadWritesToTheSourceBox()
{
    select(Mode::Euro);
    QTest::mouseClick(keypad(4), Qt::LeftButton);
    QTest::mouseClick(keypad(13), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("40"));
    QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("77.450,80"));
}

void TestForm1::switchingModeSwapsBoxesAndHighlights()
{
    auto *text1 = find<QLineEdit>("Text1");
    auto *text2 = find<QLineEdit>("Text2");
    const auto colour = [](QWidget *control) { return control->palette().color(QPalette::WindowText); };

    QTest::keyClicks(text1, QStringLiteral("1000"));
    select(Mode::Euro);
    QCOMPARE(text1->text(), QString());
    QCOMPARE(text2->text(), QString());
    QVERIFY(text1->isReadOnly());
    QVERIFY(!text2->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), text2);
    QCOMPARE(colour(find<QRadioButton>("Option2")), kRed);
    QCOMPARE(colour(symbol(1)), kRed);
    QCOMPARE(colour(find<QRadioButton>("Option1")), QColor(Qt::black));
    QCOMPARE(colour(symbol(0)), QColor(Qt::black));

    // Typing now converts euro to lire, not the other way.
    QTest::keyClicks(text2, QStringLiteral("2"));
    QCOMPARE(text1->text(), QStringLiteral("3.872,54"));

    select(Mode::Lire);
    QCOMPARE(text1->text(), QString());
    QCOMPARE(text2->text(), QString());
    QVERIFY(!text1->isReadOnly());
    QVERIFY(text2->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), text1);
    QCOMPARE(colour(find<QRadioButton>("Option1")), kRed);
    QCOMPARE(colour(symbol(0)), kRed);
    QCOMPARE(colour(find<QRadioButton>("Option2")), QColor(Qt::black));
    QCOMPARE(colour(symbol(1)), QColor(Qt::black));
    QVERIFY(messageBoxes->messages.isEmpty());
}

void TestForm1::clearEmptiesBothBoxes_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("lire") << Mode::Lire;
    QTest::newRow("euro") << Mode::Euro;
}

void TestForm1::clearEmptiesBothBoxes()
{
    QFETCH(Mode, mode);
    select(mode);
    QTest::keyClicks(source(mode), QStringLiteral("250"));
    QTest::mouseClick(keypad(13), Qt::LeftButton); // focus leaves the box
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier); // pressed after a short animation
    QTRY_COMPARE(source(mode)->text(), QString());
    QCOMPARE(target(mode)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), source(mode));
}

void TestForm1::tabVisitsControlsInOrder_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("visited");

    const QStringList keys{"1", "2", "3", "4", "5", "6", "7", "8", "9", "&C", "0"};
    QTest::newRow("lire") << Mode::Lire << keys + QStringList{"Text2", "Option1", ".", "Text1"};
    QTest::newRow("euro: only the selected option") << Mode::Euro << keys + QStringList{"Text2", "Option2", ".", "Text1"};
}

void TestForm1::tabVisitsControlsInOrder()
{
    QFETCH(Mode, mode);
    QFETCH(QStringList, visited);

    select(mode);
    find<QLineEdit>("Text1")->setFocus();
    QStringList seen;
    for (int i = 0; i < visited.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        auto *button = qobject_cast<QPushButton *>(focus);
        seen << (button ? button->text() : focus->objectName());
    }
    QCOMPARE(seen, visited);
}

void TestForm1::enterAndEscPressNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestForm1::enterAndEscPressNothing()
{
    QFETCH(int, key);
    QTest::keyClicks(find<QLineEdit>("Text1"), QStringLiteral("7"));
    QTest::keyClick(find<QLineEdit>("Text1"), Qt::Key(key));
    QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("7"));
    QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("0,00"));
}

void TestForm1::numericKeypadDecimalTypesPoint()
{
    // An Italian layout sends "," from the keypad's decimal key.
    auto *text1 = find<QLineEdit>("Text1");
    QTest::keyClicks(text1, QStringLiteral("1936"));
    QTest::keyClick(text1, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClicks(text1, QStringLiteral("27"));
    QCOMPARE(text1->text(), QStringLiteral("1936.27"));
    QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("1,00"));
}

void TestForm1::fileMenuOpensWithAltF()
{
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    auto *file = find<QMenu>("file");
    QTRY_VERIFY(file->isVisible());
    QStringList items;
    for (QAction *item : file->actions())
        items << item->text();
    QCOMPARE(items, (QStringList{"&Info", "&Chiudi"}));
    QTest::keyClick(file, Qt::Key_Escape);
}

void TestForm1::chiudiEndsTheProgram()
{
    QTimer::singleShot(0, window, [this] { find<QAction>("chiudi")->trigger(); });
    QTimer failsafe;
    failsafe.callOnTimeout([] { QApplication::exit(1); });
    failsafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}


VALUTRINO_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
