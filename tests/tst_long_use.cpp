// Long, random use of the real window: key presses, keypad clicks, switches,
// clears and pastes of hostile text, with every message box answered. After
// every step the window must still keep its rules. Seeded, so a failure can be
// replayed.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <memory>

#include "converter/Form1.h"
#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "fake_platform.h"
#include "message_box_recorder.h"
#include "test_main.h"

namespace {

const QString kTyped = QStringLiteral("0123456789012345678901234567890123456789..,,--eEdD&HhOx ");

const QStringList kPasted{
    QStringLiteral("١٢٣"),             // Arabic-Indic digits are not digits here
    QStringLiteral("שקל 12"),          // right-to-left text
    QStringLiteral("\u202e1936.27"),   // a right-to-left override before the amount
    QStringLiteral("💶💶 12"),          // emoji
    QStringLiteral("12\u0001\u0002"), // control characters
    QStringLiteral("1e400"),
    QStringLiteral("-1e400"),
    QStringLiteral("1e-400"),
    QStringLiteral("-0.004"),
    QStringLiteral("&HFFFFFFFFFFFFFFFF"),
    QStringLiteral("9000000000001"),
    QStringLiteral("90000000.01"),
    QStringLiteral(" 7 . 5 "),
    QStringLiteral("1D3"),
};

const QRegularExpression kItalianAmount(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d\\d$"));

} // namespace

class TestLongUse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomUseKeepsTheRules_data();
    void randomUseKeepsTheRules();

private:
    QString step(QRandomGenerator &random);
    QString brokenRule(const QList<MessageBoxRecorder::Message> &messages) const;

    QWidget *window = nullptr;
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QRadioButton *option1 = nullptr;
    QRadioButton *option2 = nullptr;
    QList<QPushButton *> buttons;
};

void TestLongUse::randomUseKeepsTheRules_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::newRow("seed 1") << 1u << 10000;
    QTest::newRow("seed 2") << 2u << 10000;
    QTest::newRow("seed 3") << 3u << 10000;
}

QString TestLongUse::step(QRandomGenerator &random)
{
    QLineEdit *source = option1->isChecked() ? text1 : text2;
    QLineEdit *target = option1->isChecked() ? text2 : text1;
    const int dice = random.bounded(100);
    if (dice < 40) {
        const QString typed = kTyped.mid(random.bounded(kTyped.size()), 1);
        QTest::keyClicks(source, typed);
        return QStringLiteral("type ") + typed;
    }
    if (dice < 50) {
        QTest::keyClick(source, Qt::Key_Backspace);
        return QStringLiteral("backspace");
    }
    if (dice < 65) {
        QPushButton *button = buttons[random.bounded(buttons.size())];
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("click ") + button->text();
    }
    if (dice < 72) {
        QRadioButton *option = random.bounded(2) ? option1 : option2;
        QTest::mouseClick(option, Qt::LeftButton);
        return QStringLiteral("select ") + option->objectName();
    }
    if (dice < 77) {
        QTest::keyClicks(target, QStringLiteral("5"));
        return QStringLiteral("type into the locked box");
    }
    if (dice < 85) {
        source->selectAll();
        QTest::keyClick(source, Qt::Key_Delete);
        return QStringLiteral("delete all");
    }
    // Rarely a megabyte of digits, otherwise something hostile.
    const QString pasted = random.bounded(1000) == 0 ? QString(1 << 20, u'7') : kPasted[random.bounded(kPasted.size())];
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(source, Qt::Key_V, Qt::ControlModifier);
    return QStringLiteral("paste ") + pasted.left(20);
}

// What is wrong with the window now, or nothing.
QString TestLongUse::brokenRule(const QList<MessageBoxRecorder::Message> &messages) const
{
    if (option1->isChecked() == option2->isChecked())
        return QStringLiteral("not exactly one currency selected");
    const bool lire = option1->isChecked();
    QLineEdit *source = lire ? text1 : text2;
    QLineEdit *target = lire ? text2 : text1;
    if (source->isReadOnly() || !target->isReadOnly())
        return QStringLiteral("the wrong box is locked");
    if (!messages.isEmpty() && (!source->text().isEmpty() || !target->text().isEmpty()))
        return QStringLiteral("a refused amount left text behind");
    if (target->text().isEmpty())
        return source->text().isEmpty() ? QString() : QStringLiteral("an amount without its conversion");
    if (!kItalianAmount.match(target->text()).hasMatch() || target->text() == u"-0,00")
        return QStringLiteral("a malformed conversion: ") + target->text();

    const double amount = amounts::readAmount(source->text().toStdString());
    const auto direction = lire ? amounts::Direction::LireToEuro : amounts::Direction::EuroToLire;
    if (amounts::exceedsCeiling(amount, direction))
        return QStringLiteral("an amount over the ceiling was kept");
    const std::string expected = amounts::formatAmount(amounts::convert(amount, direction), {".", ","});
    if (target->text().toStdString() != expected)
        return QStringLiteral("converted the wrong way or box: ") + target->text();
    return QString();
}

void TestLongUse::randomUseKeepsTheRules()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);

    FakePlatform platform;
    Form1 form(platform);
    form.show();
    window = form.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    text2 = window->findChild<QLineEdit *>(QStringLiteral("Text2"));
    option1 = window->findChild<QRadioButton *>(QStringLiteral("Option1"));
    option2 = window->findChild<QRadioButton *>(QStringLiteral("Option2"));
    buttons = window->findChildren<QPushButton *>();

    QRandomGenerator random(seed);
    for (int i = 0; i < steps; ++i) {
        MessageBoxRecorder messageBoxes;
        const QString action = step(random);
        const QString broken = brokenRule(messageBoxes.messages);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("step %1 (%2): %3").arg(i).arg(action, broken)));
    }
}

VALUTRINO_TEST_MAIN(TestLongUse)
#include "tst_long_use.moc"
