#include "runtime/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace runtime {
namespace {

MsgBoxHandler &handler()
{
    static MsgBoxHandler current;
    return current;
}

void showModal(const QString &prompt, MsgBoxIcon icon, const QString &title)
{
    QMessageBox box(icon == MsgBoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void MsgBox(const QString &prompt, MsgBoxIcon icon, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? QApplication::applicationDisplayName() : title;
    if (handler())
        handler()(prompt, icon, shownTitle);
    else
        showModal(prompt, icon, shownTitle);
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler replacement)
{
    return std::exchange(handler(), std::move(replacement));
}

} // namespace runtime
