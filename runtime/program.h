#pragma once

namespace runtime {

class Form;

// The program runs while at least one window is loaded, and ends when the
// last one is unloaded, by the program or by its close button.
void formLoaded(Form *form);
void formUnloaded(Form *form);
// A loaded form destroyed with the program, which is ending already.
void formDestroyed(Form *form);

// Ends the program at once: every window closes and no further handler runs.
void endProgram();

} // namespace runtime
