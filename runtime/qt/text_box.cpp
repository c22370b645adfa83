#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

class QtTextBox;

// The numeric keypad's decimal key types what the box was told to.
class LineEdit : public QLineEdit {
public:
    LineEdit(const QString &text, QWidget *parent, const QtTextBox &owner) : QLineEdit(text, parent), owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QtTextBox &owner_;
};

class QtTextBox final : public TextBox {
public:
    QtTextBox(const ControlLayout &row, QWidget *client)
        : TextBox(row.caption), box_(new LineEdit(QString::fromUtf8(row.caption), client, *this))
    {
        // Typed or assigned, and synchronous: a Change raised by an
        // assignment has run when setText returns.
        QObject::connect(box_, &QLineEdit::textChanged, box_,
                         [this](const QString &text) { textEdited(text.toStdString()); });
    }

    QLineEdit *widget() const { return box_; }
    void setLocked(Boolean locked) override { box_->setReadOnly(locked != False); }
    void setFocus() override { box_->setFocus(Qt::OtherFocusReason); }

protected:
    void showText(std::string_view text) override { box_->setText(QString::fromUtf8(text.data(), qsizetype(text.size()))); }

private:
    QLineEdit *box_;
};

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    const bool decimalKey = (event->modifiers() & Qt::KeypadModifier)
                            && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
    if (decimalKey && !owner_.numpadDecimal().empty()) {
        if (!isReadOnly())
            insert(QString::fromStdString(owner_.numpadDecimal()));
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

} // namespace

Made makeTextBox(const ControlLayout &row, QWidget *client)
{
    auto box = std::make_unique<QtTextBox>(row, client);
    QLineEdit *edit = box->widget();
    edit->setMaxLength(std::numeric_limits<int>::max()); // no limit, not Qt's 32767
    edit->setAlignment((row.alignment == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {edit, std::move(box)};
}

} // namespace runtime::qt
