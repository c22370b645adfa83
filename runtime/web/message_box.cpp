#include "runtime/message_box.h"

#include <emscripten.h>

namespace runtime {
namespace {

// The program waits for the answer, as it does on the desktop, while the
// browser goes on drawing and handling the box's own events. ASYNCIFY
// unwinds the program's stack to the browser and rewinds it once the box has
// closed; this is its only import, so that only the calls that can lead here
// grow. JSPI would do it with no growth at all, but the browsers and node
// versions people have do not all run it yet.
EM_ASYNC_JS(void, waitUntilClosed, (), {
    const box = document.querySelector('dialog.message[open]');
    if (box)
        await new Promise((closed) => box.addEventListener('close', closed, {once: true}));
});

} // namespace

void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    EM_ASM({ Valutrino.messageBox(UTF8ToString($0, $1), $2, UTF8ToString($3, $4)); }, prompt.data(), prompt.size(),
           icon == MsgBoxIcon::Critical, title.data(), title.size());
    // Answered already (as a test's user does at once): no need to wait.
    if (EM_ASM_INT({ return document.querySelector('dialog.message[open]') ? 1 : 0; }))
        waitUntilClosed();
}

} // namespace runtime
