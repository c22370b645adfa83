#pragma once

#include <string>
#include <string_view>

#include "runtime/layout.h"

namespace runtime::web {

inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// What an element reports; in step with Valutrino.Input, Click and Close in page.js.
enum class What { Input, Click, Close };

// Something on the page whose events the program handles, under an id the
// page knows it by. It stops receiving them when it is destroyed.
class Receiver {
public:
    Receiver();
    virtual ~Receiver();
    Receiver(const Receiver &) = delete;
    Receiver &operator=(const Receiver &) = delete;

    int id() const { return id_; }
    virtual void receive(What what) = 0;

private:
    int id_;
};

// The receiver of that id; nullptr once it is gone.
Receiver *receiver(int id);

// CSS for a colour of the layout and for a font.
std::string cssColour(Colour colour);
std::string cssFont(const Font &font);

// An element's string property, such as "value", and setting it.
std::string property(int id, const char *name);
void setProperty(int id, const char *name, std::string_view value);
bool flag(int id, const char *name);
void setFlag(int id, const char *name, bool value);
void focus(int id);

} // namespace runtime::web
