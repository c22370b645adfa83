#include "runtime/program.h"

#include <algorithm>
#include <utility>

#include "runtime/form.h"

namespace runtime {
namespace {

Application *current = nullptr;

std::vector<Form *> &loadedForms()
{
    static std::vector<Form *> forms;
    return forms;
}

bool &ended()
{
    static bool value = false;
    return value;
}

} // namespace

Application::Application(std::unique_ptr<Toolkit> toolkit) : toolkit_(std::move(toolkit))
{
    current = this;
}

Application::~Application()
{
    unloaded_.clear();
    current = nullptr;
}

int Application::run()
{
    return toolkit_->run();
}

Toolkit &toolkit()
{
    return *current->toolkit_;
}

void destroyLater(std::unique_ptr<Window> window)
{
    current->unloaded_.push_back(std::move(window));
    if (current->unloaded_.size() == 1)
        current->toolkit_->post([] {
            // Swapped out first, so that the queue is whole again before
            // the windows go.
            std::vector<std::unique_ptr<Window>> gone;
            if (current)
                gone.swap(current->unloaded_);
        });
}

void formLoaded(Form *form)
{
    // The first window of a program that ended, or was about to, starts it again.
    if (loadedForms().empty()) {
        ended() = false;
        toolkit().cancelQuit();
    }
    loadedForms().push_back(form);
}

void formUnloaded(Form *form)
{
    formDestroyed(form);
    if (loadedForms().empty())
        toolkit().quit();
}

void formDestroyed(Form *form)
{
    std::erase(loadedForms(), form);
}

void endProgram()
{
    // Hidden, not unloaded: unloading would run the windows' own handlers,
    // and none may run any more.
    ended() = true;
    for (Form *form : loadedForms())
        form->window()->hide();
    toolkit().quit();
}

bool programEnded()
{
    return ended();
}

Separators userSeparators()
{
    return toolkit().userSeparators();
}

void MsgBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    toolkit().showMessageBox(prompt, icon, title.empty() ? toolkit().identity.title : title);
}

} // namespace runtime
