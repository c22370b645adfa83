#pragma once

#include <memory>
#include <vector>

#include "runtime/toolkit.h"

namespace runtime {

class Form;
class Window;

// The toolkit, set up once before any window; run() waits for events until
// the program ends and gives its exit code.
class Application {
public:
    explicit Application(std::unique_ptr<Toolkit> toolkit);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    int run();

private:
    friend Toolkit &toolkit();
    friend void destroyLater(std::unique_ptr<Window> window);

    std::unique_ptr<Toolkit> toolkit_;
    // Last, so that these windows go while the toolkit still stands.
    std::vector<std::unique_ptr<Window>> unloaded_;
};

// The running application's toolkit.
Toolkit &toolkit();

// The program runs while at least one window is loaded, and ends when the
// last one is unloaded, by the program or by its close button.
void formLoaded(Form *form);
void formUnloaded(Form *form);
// A loaded form destroyed with the program, which is ending already.
void formDestroyed(Form *form);
// Destroys a window once the handler running now has returned: unloading is
// often asked by a handler of the window itself.
void destroyLater(std::unique_ptr<Window> window);

// Ends the program at once: every window closes and no further handler runs.
void endProgram();
bool programEnded();

Separators userSeparators();

} // namespace runtime
