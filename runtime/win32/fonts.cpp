#include "runtime/win32/fonts.h"

#include <cmath>
#include <map>

#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

int CALLBACK stopAtFirst(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM)
{
    return 0;
}

bool installed(const std::wstring &face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HDC screen = GetDC(nullptr);
    const int notFound = EnumFontFamiliesExW(screen, &wanted, stopAtFirst, 0, 0);
    ReleaseDC(nullptr, screen);
    return notFound == 0;
}

// The first face installed; "" lets the system pick by family.
std::wstring firstInstalled(const FontFaces &faces)
{
    for (const char *name : faces.names)
        if (installed(widen(name)))
            return widen(name);
    return {};
}

// Looked up once for each list: the fonts installed do not change while it runs.
const std::wstring &face(const FontFaces &faces)
{
    static std::map<const char *const *, std::wstring> found;
    auto [at, added] = found.try_emplace(faces.names.data());
    if (added)
        at->second = firstInstalled(faces);
    return at->second;
}

} // namespace

FontHandle createFont(const Font &font, UINT dpi)
{
    const FontFaces faces = fontFaces(font);
    LOGFONTW wanted{};
    wanted.lfHeight = -LONG(std::lround(font.points * dpi / 72.0));
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face(faces).c_str(), LF_FACESIZE - 1);
    wanted.lfPitchAndFamily = VARIABLE_PITCH | (faces.serif ? FF_ROMAN : FF_SWISS);
    return FontHandle(CreateFontIndirectW(&wanted));
}

} // namespace runtime::win32
