#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

class LineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    // The numeric keypad's decimal key types "." whatever the keyboard
    // layout: an Italian layout sends ",", where reading an amount would
    // stop and lose the decimals.
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool decimalKey = (event->modifiers() & Qt::KeypadModifier)
                                && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
        if (decimalKey && !isReadOnly())
            insert(QStringLiteral("."));
        else
            QLineEdit::keyPressEvent(event);
    }
};

class QtTextBox final : public TextBox {
public:
    explicit QtTextBox(QLineEdit *box) : box_(box)
    {
        // Typed or assigned, and synchronous: a Change raised by an
        // assignment has run when setText returns.
        QObject::connect(box_, &QLineEdit::textChanged, box_, [this] { Change.raise(); });
    }

    std::string text() const override { return box_->text().toStdString(); }
    void setText(std::string_view text) override
    {
        const QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
        if (shown != box_->text())
            box_->setText(shown);
    }
    void setLocked(Boolean locked) override { box_->setReadOnly(locked != False); }
    void setFocus() override { box_->setFocus(Qt::OtherFocusReason); }

private:
    QLineEdit *box_;
};

} // namespace

Made makeTextBox(const ControlLayout &row, QWidget *client)
{
    auto *box = new LineEdit(QString::fromUtf8(row.caption), client);
    box->setMaxLength(std::numeric_limits<int>::max()); // no limit, not Qt's 32767
    box->setAlignment((row.alignment == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {box, std::make_unique<QtTextBox>(box)};
}

} // namespace runtime::qt
