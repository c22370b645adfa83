#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

namespace runtime {

// A dialog frame whose Esc presses its cancel button, as Windows dialogs do,
// instead of hiding the window behind the program's back.
class Dialog : public QDialog {
public:
    void setCancelButton(QAbstractButton *button) { cancel_ = button; }

protected:
    void reject() override
    {
        if (cancel_)
            cancel_->click();
    }

private:
    QPointer<QAbstractButton> cancel_;
};

} // namespace runtime
