#pragma once

#include <doctest/doctest.h>

#include <cstddef>

#include "converter/Form1.h"
#include "fake_platform.h"
#include "user.h"

// The converter shown as the program shows it, on a platform that starts
// nothing. Every message box is answered at once; one the test did not
// expect fails it.
struct ConverterWindow {
    FakePlatform platform;
    Form1 form{platform};
    User &u = user();
    std::size_t expectedMessages = 0;

    ConverterWindow()
    {
        u.messages.clear();
        form.show();
        u.waitUntilShown("Form1");
    }
    ~ConverterWindow()
    {
        u.onMessage = nullptr;
        CHECK(u.messages.size() == expectedMessages);
    }
};

inline constexpr Ref Text1{"Form1", "Text1"};
inline constexpr Ref Text2{"Form1", "Text2"};
inline constexpr Ref Option1{"Form1", "Option1"};
inline constexpr Ref Option2{"Form1", "Option2"};

enum class Mode { Lire, Euro };

inline Ref source(Mode mode)
{
    return mode == Mode::Lire ? Text1 : Text2;
}

inline Ref target(Mode mode)
{
    return mode == Mode::Lire ? Text2 : Text1;
}

inline void select(Mode mode)
{
    user().click(mode == Mode::Lire ? Option1 : Option2);
}
