#include "runtime/form.h"

#include <utility>

#include "runtime/program.h"

namespace runtime {

MissingControl::MissingControl(std::string_view window, std::string_view name, Index index)
    : std::logic_error(std::string(window) + " has no control " + std::string(name)
                       + (index == kNoIndex ? std::string() : "(" + std::to_string(index) + ")")),
      name(name), index(index)
{
}

Form::~Form()
{
    if (window_)
        formDestroyed(this);
}

void Form::load()
{
    if (window_)
        return;
    window_ = toolkit().createWindow(layout_, *this);
    try {
        bind();
    } catch (...) {
        window_.reset(); // not loaded
        throw;
    }
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
    window_->retire();
    destroyLater(std::exchange(window_, nullptr));
    formUnloaded(this);
}

} // namespace runtime
