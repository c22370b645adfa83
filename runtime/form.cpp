#include "runtime/form.h"

#include <QEvent>
#include <QWidget>

#include <utility>

#include "runtime/program.h"

namespace runtime {

Form::~Form()
{
    if (window_) {
        formDestroyed(this);
        delete window_;
    }
}

void Form::load()
{
    if (window_)
        return;
    window_ = build();
    window_->installEventFilter(this);
    formLoaded(this);
    Form_Load();
}

void Form::show()
{
    load();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Form::unload()
{
    if (!window_)
        return;
    // Deferred: unloading is often asked by a handler of the window itself.
    QWidget *window = std::exchange(window_, nullptr);
    window->hide();
    window->deleteLater();
    formUnloaded(this);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // The title bar's close button unloads the window like the program would.
    if (watched == window_ && event->type() == QEvent::Close) {
        event->accept();
        unload();
        return true;
    }
    return false;
}

} // namespace runtime
