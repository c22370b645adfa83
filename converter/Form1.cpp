#include "converter/Form1.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "about/frmAbout.h"
#include "app/colours.h"
#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "converter/decimal_key_filter.h"
#include "runtime/message_box.h"
#include "runtime/option_button.h"
#include "runtime/program.h"

using amounts::Direction;

namespace {

constexpr runtime::Window kWindow{"Convertitore", 5250, 2745, colours::Beige};

QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

} // namespace

Form1::Form1(runtime::Platform &platform) : platform_(platform)
{
    const QLocale locale = QLocale::system();
    groupSeparator_ = locale.groupSeparator().toStdString();
    decimalSeparator_ = locale.decimalPoint().toStdString();
}

Form1::~Form1() = default;

QWidget *Form1::build()
{
    // Fixed single border: close and minimise, no maximise, no resizing.
    auto *window = new QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                                | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setObjectName(QStringLiteral("Form1"));
    auto *client = new QWidget;
    runtime::layOut(window, client, kWindow, layout());
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    QMenu *file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    info = addMenuItem(file, "info", QStringLiteral("&Info"));
    chiudi = addMenuItem(file, "chiudi", QStringLiteral("&Chiudi"));

    Option1 = runtime::control<QRadioButton>(client, "Option1");
    Option2 = runtime::control<QRadioButton>(client, "Option2");
    Label1 = runtime::ControlArray<QLabel>(client, "Label1");
    Text1 = runtime::control<QLineEdit>(client, "Text1");
    Text2 = runtime::control<QLineEdit>(client, "Text2");
    Command1 = runtime::ControlArray<QPushButton>(client, "Command1");
    Command3 = runtime::ControlArray<QPushButton>(client, "Command3");

    for (QLineEdit *box : {Text1, Text2})
        box->installEventFilter(new DecimalKeyFilter(box));

    QObject::connect(Text1, &QLineEdit::textChanged, Text1, [this] { Text1_Change(); });
    QObject::connect(Text2, &QLineEdit::textChanged, Text2, [this] { Text2_Change(); });
    runtime::onOptionClick(Option1, [this] { Option1_Click(); });
    runtime::onOptionClick(Option2, [this] { Option2_Click(); });
    runtime::onClick(Command1, [this](std::int16_t index) { Command1_Click(index); });
    runtime::onClick(Command3, [this](std::int16_t index) { Command3_Click(index); });
    QObject::connect(info, &QAction::triggered, window, [this] { info_Click(); });
    QObject::connect(chiudi, &QAction::triggered, window, [this] { chiudi_Click(); });
    return window;
}

void Form1::Form_Load()
{
    // Option1 is laid out selected, so this raises no Click (whose first step
    // would move the focus in a window not yet shown).
    Option1->setChecked(true);
    Text1->setReadOnly(false);
    Option2->setChecked(false);
    Text2->setReadOnly(true);
    Text1->setText(QString());
    runtime::setForeColour(Label1(0), colours::Red);
    runtime::setForeColour(Option1, colours::Red);
}

// The guards on the selected currency stop the loop the two boxes would
// otherwise form, since each conversion writes into the other box.
void Form1::Text1_Change()
{
    if (!Option1->isChecked())
        return;
    convert(Text1, Text2, Direction::LireToEuro);
}

void Form1::Text2_Change()
{
    if (!Option2->isChecked())
        return;
    convert(Text2, Text1, Direction::EuroToLire);
}

void Form1::convert(QLineEdit *source, QLineEdit *target, Direction direction)
{
    // An amount beyond the double range, or a product that leaves it, is
    // refused like an amount over the ceiling rather than shown as "inf".
    const double result = amounts::convert(readAmount(source), direction);
    if (std::isfinite(result)) {
        const amounts::Separators separators{groupSeparator_, decimalSeparator_};
        target->setText(QString::fromStdString(amounts::formatAmount(result, separators)));
        if (!amounts::exceedsCeiling(readAmount(source), direction))
            return;
    }
    // The converted value stays in view while the message is up. The source
    // is emptied first: its own conversion then writes a zero into the target,
    // which the second assignment removes.
    runtime::MsgBox(QStringLiteral("Importo non valido"), runtime::MsgBoxIcon::Critical,
                    QStringLiteral("Errore di digitazione"));
    source->setText(QString());
    target->setText(QString());
    source->setFocus();
}

double Form1::readAmount(const QLineEdit *box) const
{
    return amounts::readAmount(box->text().toStdString());
}

void Form1::Option1_Click()
{
    Text1->setFocus();
    Option1->setChecked(true);
    Text1->setReadOnly(false);
    Option2->setChecked(false);
    Text2->setReadOnly(true);
    Text1->setText(QString());
    Text2->setText(QString());
    runtime::setForeColour(Label1(0), colours::Red);
    runtime::setForeColour(Option1, colours::Red);
    runtime::setForeColour(Label1(1), colours::Black);
    runtime::setForeColour(Option2, colours::Black);
}

void Form1::Option2_Click()
{
    Text2->setText(QString());
    Text1->setText(QString());
    Text2->setFocus();
    Option1->setChecked(false);
    Text1->setReadOnly(true);
    Option2->setChecked(true);
    Text2->setReadOnly(false);
    runtime::setForeColour(Label1(0), colours::Black);
    runtime::setForeColour(Option1, colours::Black);
    runtime::setForeColour(Label1(1), colours::Red);
    runtime::setForeColour(Option2, colours::Red);
}

void Form1::Command1_Click(std::int16_t Index)
{
    // The caption, not the index, says which key it is: the indices have gaps.
    const QString key = Command1(Index)->text();
    if (Option1->isChecked())
        Text1->setText(Text1->text() + key);
    else
        Text2->setText(Text2->text() + key);
}

void Form1::Command3_Click(std::int16_t /*Index*/)
{
    if (Option1->isChecked()) {
        Text1->setText(QString());
        Text1->setFocus();
        Text2->setText(QString());
    }
    if (Option2->isChecked()) {
        Text2->setText(QString());
        Text2->setFocus();
        Text1->setText(QString());
    }
}

void Form1::info_Click()
{
    if (!about_)
        about_ = std::make_unique<frmAbout>(platform_);
    // An About window already open is only brought to the front.
    about_->show();
}

void Form1::chiudi_Click()
{
    runtime::endProgram();
}
