#pragma once

#include <memory>
#include <string>

namespace runtime {

class Form;

// The toolkit, set up once before any window; run() waits for events until
// the program ends and gives its exit code. Each backend implements it.
class Application {
public:
    Application(int &argc, char **argv);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    int run();

private:
    struct Toolkit;
    std::unique_ptr<Toolkit> toolkit_;
};

// The title message boxes show when they are given none.
inline constexpr const char *kAppTitle = "Valutrino";

// The program runs while at least one window is loaded, and ends when the
// last one is unloaded, by the program or by its close button.
void formLoaded(Form *form);
void formUnloaded(Form *form);
// A loaded form destroyed with the program, which is ending already.
void formDestroyed(Form *form);

// Ends the program at once: every window closes and no further handler runs.
void endProgram();
bool programEnded();

// Backend: makes a run() now or later return with exit code 0.
void quit();
// Backend: takes back a quit() that no run() has returned for yet.
void cancelQuit();

// The user's regional separators for formatted amounts, as UTF-8.
struct Separators {
    std::string group;
    std::string decimal;
};
// Backend: read from the user's settings, not a fixed locale.
Separators userSeparators();

} // namespace runtime
