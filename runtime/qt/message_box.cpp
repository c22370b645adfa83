#include "runtime/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace runtime {

void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(icon == MsgBoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromUtf8(title.data(), qsizetype(title.size())),
                    QString::fromUtf8(prompt.data(), qsizetype(prompt.size())), QMessageBox::Ok, owner);
    box.exec();
    // As on Windows, the window that owned the box is active again, whatever
    // the window manager (or its absence) would choose.
    if (owner && owner->isVisible())
        owner->activateWindow();
}

} // namespace runtime
