#include "runtime/win32/fonts.h"

#include <cmath>
#include <span>
#include <string_view>

namespace runtime::win32 {
namespace {

int CALLBACK stopAtFirst(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM)
{
    return 0;
}

bool installed(const wchar_t *face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    HDC screen = GetDC(nullptr);
    const int notFound = EnumFontFamiliesExW(screen, &wanted, stopAtFirst, 0, 0);
    ReleaseDC(nullptr, screen);
    return notFound == 0;
}

// MS Sans Serif is a bitmap font in a few fixed sizes; Microsoft Sans Serif
// is its scalable twin, drawn the same at 96 dpi and sharp at any other.
// Where neither is (Wine), the Liberation fonts have the metrics of the
// Windows fonts the layout was drawn with.
const wchar_t *firstInstalled(std::span<const wchar_t *const> candidates)
{
    for (const wchar_t *candidate : candidates)
        if (installed(candidate))
            return candidate;
    return L""; // the system picks by family
}

const wchar_t *face(const Font &font, BYTE &family)
{
    static const wchar_t *const kSerif[] = {L"Times New Roman", L"Liberation Serif"};
    static const wchar_t *const kSans[] = {L"Microsoft Sans Serif", L"Liberation Sans", L"Arial"};
    // Looked up once: the fonts installed do not change while it runs.
    static const wchar_t *const serifFace = firstInstalled(kSerif);
    static const wchar_t *const sansFace = firstInstalled(kSans);
    const bool serif = std::string_view(font.family) == "Times New Roman";
    family = serif ? FF_ROMAN : FF_SWISS;
    return serif ? serifFace : sansFace;
}

} // namespace

FontHandle createFont(const Font &font, UINT dpi)
{
    LOGFONTW wanted{};
    wanted.lfHeight = -LONG(std::lround(font.points * dpi / 72.0));
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    BYTE family = 0;
    wcsncpy(wanted.lfFaceName, face(font, family), LF_FACESIZE - 1);
    wanted.lfPitchAndFamily = VARIABLE_PITCH | family;
    return FontHandle(CreateFontIndirectW(&wanted));
}

} // namespace runtime::win32
