#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "runtime/program.h"

namespace runtime {
namespace {

std::string part(const char *type)
{
    char *found = static_cast<char *>(EM_ASM_PTR(
        {
            const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
            const found = parts.find((part) => part.type === UTF8ToString($0));
            return stringToNewUTF8(found ? found.value : "");
        },
        type));
    std::string copied(found);
    std::free(found);
    return copied;
}

} // namespace

// The browser's language, as the user set it.
Separators userSeparators()
{
    return {part("group"), part("decimal")};
}

} // namespace runtime
