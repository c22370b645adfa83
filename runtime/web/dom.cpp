#include "runtime/web/dom.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/appearance.h"

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
    const Colour drawn = drawnColour(colour);
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", drawn & 0xFF, (drawn >> 8) & 0xFF, (drawn >> 16) & 0xFF);
    return css;
}

// The page ships the Liberation faces; CSS points are the layout's, as 96
// CSS pixels make an inch.
std::string cssFont(const Font &font)
{
    std::string css = std::string(font.bold ? "bold " : "") + std::to_string(font.points) + "pt ";
    for (const char *face : fontFaces(font).names)
        css += "'" + std::string(face) + "', ";
    return css + (fontFaces(font).serif ? "serif" : "sans-serif");
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
