#include "runtime/toolkit.h"

#include <emscripten.h>

#include <cstdlib>
#include <deque>
#include <utility>

#include "runtime/web/dom.h"
#include "runtime/web/window_frame.h"

namespace runtime::web {
namespace {

// How many events are being handled, one inside the other, and what waits
// until none is.
int handling = 0;
std::deque<std::function<void()>> posted;

void runPosted()
{
    while (handling == 0 && !posted.empty()) {
        const std::function<void()> task = std::move(posted.front());
        posted.pop_front();
        task();
    }
}

// The program waits for the answer, as it does on the desktop, while the
// browser goes on drawing and handling the box's own events. ASYNCIFY
// unwinds the program's stack to the browser and rewinds it once the box has
// closed; this is its only import, so that only the calls that can lead here
// grow. JSPI would do it with no growth at all, but not every browser in use,
// nor node 20, runs it yet.
EM_ASYNC_JS(void, waitUntilClosed, (), {
    const box = document.querySelector('dialog.message[open]');
    if (box)
        await new Promise((closed) => box.addEventListener('close', closed, {once: true}));
});

std::string separator(const char *type)
{
    char *found = static_cast<char *>(EM_ASM_PTR(
        {
            const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
            const found = parts.find((part) => part.type === UTF8ToString($0));
            return stringToNewUTF8(found ? found.value : "");
        },
        type));
    std::string copied(found);
    std::free(found);
    return copied;
}

class WebToolkit final : public Toolkit {
public:
    using Toolkit::Toolkit;

    std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form) override
    {
        return makeWindow(layout, form);
    }

    void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title) override
    {
        EM_ASM({ Valutrino.messageBox(UTF8ToString($0, $1), $2, UTF8ToString($3, $4)); }, prompt.data(),
               prompt.size(), icon == MsgBoxIcon::Critical, title.data(), title.size());
        // Answered already (as a test's user does at once): no need to wait.
        if (EM_ASM_INT({ return document.querySelector('dialog.message[open]') ? 1 : 0; }))
            waitUntilClosed();
    }

    // A page has no loop to wait in: main() returns to the browser, which
    // runs the handlers from then on. Its objects stay where they are, alive,
    // as no destructor runs.
    int run() override
    {
        if (std::exchange(quitPending_, false))
            return 0;
        emscripten_exit_with_live_runtime();
    }

    // The page says the program has ended once the handler asking for it
    // has returned.
    void quit() override
    {
        quitPending_ = true;
        post([this] {
            if (std::exchange(quitPending_, false))
                EM_ASM({ Valutrino.end(); });
        });
    }

    void cancelQuit() override { quitPending_ = false; }

    // Outside a handler, once the browser gets back to its events.
    void post(std::function<void()> task) override
    {
        posted.push_back(std::move(task));
        if (handling == 0)
            emscripten_async_call([](void *) { runPosted(); }, nullptr, 0);
    }

    // The browser's language, as the user set it.
    Separators userSeparators() override { return {separator("group"), separator("decimal")}; }

    // The page's window (5) and button face (15), as page.css draws them;
    // any other is taken for a text.
    Colour systemColour(int index) override { return index == 5 ? 0xFFFFFF : index == 15 ? 0xC8D0D4 : 0; }

private:
    bool quitPending_ = false;
};

} // namespace

bool dispatch(int id, What what)
{
    ++handling;
    Receiver *target = receiver(id);
    const bool done = target && target->receive(what);
    --handling;
    runPosted();
    return done;
}

} // namespace runtime::web

std::unique_ptr<runtime::Toolkit> runtime::makeToolkit(int &, char **, const Identity &identity)
{
    return std::make_unique<web::WebToolkit>(identity);
}

// Every event of the page that the program handles comes in here; true when
// the program did what the browser would have done by default.
extern "C" EMSCRIPTEN_KEEPALIVE int valutrino_event(int id, int what)
{
    return runtime::web::dispatch(id, runtime::web::What(what));
}
