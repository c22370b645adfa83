#include "runtime/win32/child.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

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
    return std::make_unique<Label>(row, hwnd, background);
}

} // namespace runtime::win32
