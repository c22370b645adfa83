#include "runtime/web/dom.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace runtime::web {
namespace {

std::vector<Receiver *> &receivers()
{
    static std::vector<Receiver *> all{nullptr};
    return all;
}

} // namespace

Receiver::Receiver() : id_(int(receivers().size()))
{
    receivers().push_back(this);
}

Receiver::~Receiver()
{
    receivers()[std::size_t(id_)] = nullptr;
}

Receiver *receiver(int id)
{
    return id > 0 && std::size_t(id) < receivers().size() ? receivers()[std::size_t(id)] : nullptr;
}

std::string cssColour(Colour colour)
{
    // The only system colour the windows name is the window frame, black in
    // the usual schemes.
    if (colour & 0x80000000u)
        colour = 0;
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return css;
}

std::string cssFont(const Font &font)
{
    // Liberation fonts share the metrics of the Windows fonts the layout was
    // drawn with; the page ships them. 1440 twips to the inch at 15 twips to
    // the pixel is CSS's 96 pixels to the inch, so points stay points.
    const bool serif = std::string_view(font.family).starts_with("Times");
    char css[64];
    std::snprintf(css, sizeof css, "%s %gpt %s", font.bold ? "bold" : "normal", font.points,
                  serif ? "'Liberation Serif'" : "'Liberation Sans'");
    return css;
}

std::string property(int id, const char *name)
{
    char *value = static_cast<char *>(EM_ASM_PTR(
        { return stringToNewUTF8(String(Valutrino.elements[$0][UTF8ToString($1)])); }, id, name));
    std::string copied(value);
    std::free(value);
    return copied;
}

void setProperty(int id, const char *name, std::string_view value)
{
    EM_ASM({ Valutrino.elements[$0][UTF8ToString($1)] = UTF8ToString($2, $3); }, id, name, value.data(),
           value.size());
}

bool flag(int id, const char *name)
{
    return EM_ASM_INT({ return Valutrino.elements[$0][UTF8ToString($1)] ? 1 : 0; }, id, name) != 0;
}

void setFlag(int id, const char *name, bool value)
{
    EM_ASM({ Valutrino.elements[$0][UTF8ToString($1)] = !!$2; }, id, name, value);
}

void focus(int id)
{
    EM_ASM({ Valutrino.elements[$0].focus(); }, id);
}

} // namespace runtime::web
