#pragma once

#include <string>
#include <string_view>

#include "runtime/layout.h"

namespace runtime::web {

// CSS pixels: 96 to the inch, so 15 twips each.
inline constexpr int kDpi = 96;

// What an element reports; in step with Valutrino.Input, Click, Close and
// NumpadDecimal in page.js.
enum class What { Input, Click, Close, NumpadDecimal };

// Something on the page whose events the program handles, under an id the
// page knows it by. It stops receiving them when it is destroyed.
class Receiver {
public:
    Receiver();
    virtual ~Receiver();
    Receiver(const Receiver &) = delete;
    Receiver &operator=(const Receiver &) = delete;

    int id() const { return id_; }
    // True when it did what the browser would have done by default.
    virtual bool receive(What what) = 0;

private:
    int id_;
};

// The receiver of that id; nullptr once it is gone.
Receiver *receiver(int id);

// CSS for a colour of the layout and for a font.
std::string cssColour(Colour colour);
std::string cssFont(const Font &font);

// An element's property, such as "value", and setting it.
std::string property(int id, const char *name);
void setProperty(int id, const char *name, std::string_view value);
bool flag(int id, const char *name);
void setFlag(int id, const char *name, bool value);
void focus(int id);

} // namespace runtime::web
