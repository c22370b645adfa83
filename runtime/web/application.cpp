#include "runtime/program.h"

#include <emscripten.h>

#include <memory>
#include <utility>
#include <vector>

#include "runtime/web/dom.h"
#include "runtime/web/window_frame.h"

namespace runtime {
namespace {

bool quitPending = false;
// How many events are being handled, one inside the other.
int handling = 0;
std::vector<std::unique_ptr<Window>> unloaded;

// What waits until no handler runs any more: unloaded windows go, and an end
// asked for shows.
void settle()
{
    if (handling > 0)
        return;
    std::vector<std::unique_ptr<Window>>().swap(unloaded);
    if (std::exchange(quitPending, false))
        EM_ASM({ Valutrino.end(); });
}

} // namespace

struct Application::Toolkit {};

Application::Application(int &, char **) {}

Application::~Application() = default;

// A page has no loop to wait in: main() returns to the browser, which runs
// the handlers from then on. Its objects stay where they are, alive, as no
// destructor runs.
int Application::run()
{
    if (std::exchange(quitPending, false))
        return 0;
    emscripten_exit_with_live_runtime();
}

void quit()
{
    quitPending = true;
    // The end shows once the handler asking for it has returned; outside a
    // handler, once the browser gets back to its events.
    emscripten_async_call([](void *) { settle(); }, nullptr, 0);
}

void cancelQuit()
{
    quitPending = false;
}

namespace web {

void dispatch(int id, What what)
{
    ++handling;
    if (Receiver *target = receiver(id))
        target->receive(what);
    --handling;
    settle();
}

void keepUntilHandlerReturns(std::unique_ptr<Window> window)
{
    unloaded.push_back(std::move(window));
    emscripten_async_call([](void *) { settle(); }, nullptr, 0);
}

} // namespace web
} // namespace runtime

// Every event of the page that the program handles comes in here.
extern "C" EMSCRIPTEN_KEEPALIVE void valutrino_event(int id, int what)
{
    runtime::web::dispatch(id, runtime::web::What(what));
}
