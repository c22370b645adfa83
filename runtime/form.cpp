#include "runtime/form.h"

#include <utility>

#include "runtime/program.h"

namespace runtime {

Form::~Form()
{
    if (window_)
        formDestroyed(this);
}

void Form::load()
{
    if (window_)
        return;
    window_ = createWindow(layout_, *this);
    bind();
    formLoaded(this);
    Form_Load();
}

void Form::show()
{
    load();
    window_->show();
}

void Form::unload()
{
    if (!window_)
        return;
    window_->hide();
    destroyLater(std::exchange(window_, nullptr));
    formUnloaded(this);
}

} // namespace runtime
