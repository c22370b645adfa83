#include "runtime/program.h"

#include <algorithm>
#include <vector>

#include "runtime/form.h"

namespace runtime {
namespace {

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

void formLoaded(Form *form)
{
    // The first window of a program that ended, or was about to, starts it again.
    if (loadedForms().empty()) {
        ended() = false;
        cancelQuit();
    }
    loadedForms().push_back(form);
}

void formUnloaded(Form *form)
{
    formDestroyed(form);
    if (loadedForms().empty())
        quit();
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
    quit();
}

bool programEnded()
{
    return ended();
}

} // namespace runtime
