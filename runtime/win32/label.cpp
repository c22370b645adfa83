#include "runtime/win32/child.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

// How wide text draws. Wine draws Liberation Sans at small sizes with
// hinted monochrome glyphs (its gasp table turns smoothing off), which
// advance further than GetTextExtentPoint32 says: the system's own wrapping
// let the last word of the credits be clipped. So the wider of the two counts.
int drawnWidth(HDC dc, std::wstring_view text)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &extent);
    static constexpr MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    int glyphs = 0;
    for (const wchar_t c : text) {
        GLYPHMETRICS metrics{};
        if (GetGlyphOutlineW(dc, c, GGO_BITMAP, &metrics, 0, nullptr, &kIdentity) == GDI_ERROR)
            return extent.cx;
        glyphs += metrics.gmCellIncX;
    }
    return std::max(int(extent.cx), glyphs);
}

// A wrapping label drawn as the system draws it, broken into lines between
// words by drawnWidth.
LRESULT CALLBACK drawWrapped(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, drawWrapped, 0);
    if (message != WM_PAINT)
        return DefSubclassProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    std::wstring text(GetWindowTextLengthW(hwnd), L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), int(text.size()) + 1));
    const std::wstring_view rest(text);
    int top = 0;
    for (std::size_t start = 0; start < rest.size() && top < client.bottom; top += metrics.tmHeight) {
        // The longest run of whole words that fits; one word if none does.
        std::size_t end = rest.find(L' ', start);
        for (std::size_t next = end; next != std::wstring_view::npos;) {
            next = rest.find(L' ', next + 1);
            const std::size_t candidate = next == std::wstring_view::npos ? rest.size() : next;
            if (drawnWidth(dc, rest.substr(start, candidate - start)) > client.right)
                break;
            end = candidate;
        }
        end = std::min(end, rest.size());
        TextOutW(dc, 0, top, rest.data() + start, int(end - start));
        start = rest.find_first_not_of(L' ', end);
        if (start == std::wstring_view::npos)
            break;
    }
    SelectObject(dc, previous);
    EndPaint(hwnd, &paint);
    return 0;
}

class Label final : public runtime::Label, public Child {
public:
    Label(const ControlLayout &row, HWND hwnd, Colour windowBackground)
        : Child(row, hwnd), foreColour_(row.foreColour),
          background_(CreateSolidBrush(colorRef(row.backColour == kNoColour ? windowBackground : row.backColour, COLOR_BTNFACE)))
    {
    }

    runtime::Control *control() override { return this; }

    void setCaption(std::string_view caption) override { SetWindowTextW(hwnd_, widen(caption).c_str()); }

    void setForeColor(Colour colour) override
    {
        foreColour_ = colour;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // A transparent label is filled with its window's colour.
    HBRUSH colours(HDC dc) override
    {
        SetTextColor(dc, colorRef(foreColour_, COLOR_BTNTEXT));
        SetBkMode(dc, TRANSPARENT);
        return background_.get();
    }

private:
    Colour foreColour_;
    BrushHandle background_;
};

DWORD labelStyle(const ControlLayout &row)
{
    if (row.alignment == Align::Right)
        return SS_RIGHT; // one short word: it has nothing to wrap
    return row.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

} // namespace

std::unique_ptr<Child> makeLabel(const ControlLayout &row, HWND parent, int id, Colour background)
{
    HWND hwnd = createChild(L"STATIC", row, SS_NOPREFIX | labelStyle(row), 0, parent, id);
    if (labelStyle(row) == SS_LEFT)
        SetWindowSubclass(hwnd, drawWrapped, 0, 0);
    return std::make_unique<Label>(row, hwnd, background);
}

} // namespace runtime::win32
