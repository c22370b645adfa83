#include "runtime/program.h"

#include <QCoreApplication>
#include <QWidget>

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

} // namespace

void formLoaded(Form *form)
{
    loadedForms().push_back(form);
}

void formUnloaded(Form *form)
{
    formDestroyed(form);
    if (loadedForms().empty())
        QCoreApplication::exit(0);
}

void formDestroyed(Form *form)
{
    std::erase(loadedForms(), form);
}

void endProgram()
{
    // Hidden, not closed: closing would unload each window through its own
    // handlers, and none may run any more.
    for (Form *form : loadedForms()) {
        form->window()->hide();
        form->window()->setEnabled(false);
    }
    QCoreApplication::exit(0);
}

} // namespace runtime
