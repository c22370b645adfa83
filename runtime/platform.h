#pragma once

#include <string>

namespace runtime {

class Registry;

// What the program asks of the operating system besides its windows. The
// application wires the real one; tests replace it.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Registry &registry() = 0;
    virtual bool fileExists(const std::string &path) = 0;
    // Starts the program at path in a normal, focused window; false when it
    // could not be started.
    virtual bool startProgram(const std::string &path) = 0;
};

} // namespace runtime
