#include "runtime/win32/child.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

class TextBox final : public runtime::TextBox, public Child {
public:
    TextBox(const ControlLayout &row, HWND hwnd)
        : Child(row, hwnd), background_(CreateSolidBrush(colorRef(row.backColour, COLOR_WINDOW))), shown_(windowText(hwnd))
    {
        SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0); // no limit, not the 32767 characters of the default
    }

    runtime::Control *control() override { return this; }

    std::string text() const override { return narrow(windowText(hwnd_)); }

    // Change is raised once the box holds the new text, after EDIT has
    // finished with it.
    void setText(std::string_view text) override
    {
        const std::wstring wide = widen(text);
        if (wide == shown_)
            return;
        settingText_ = true;
        SetWindowTextW(hwnd_, wide.c_str());
        settingText_ = false;
        shown_ = wide;
        Change.raise();
    }

    void setLocked(Boolean locked) override { SendMessageW(hwnd_, EM_SETREADONLY, locked != False, 0); }
    void setFocus() override { SetFocus(hwnd_); }

    // The EDIT control sends EN_CHANGE for every WM_SETTEXT, equal text or
    // not, whoever sends it: only a text that differs from the one shown
    // before raises Change.
    void command(WORD code) override
    {
        if (code != EN_CHANGE || settingText_)
            return;
        std::wstring now = windowText(hwnd_);
        if (now == shown_)
            return;
        shown_ = std::move(now);
        Change.raise();
    }

    // A read-only edit asks through WM_CTLCOLORSTATIC, an editable one
    // through WM_CTLCOLOREDIT: both get the box's own colours.
    HBRUSH colours(HDC dc) override
    {
        SetTextColor(dc, colorRef(row_.foreColour, COLOR_WINDOWTEXT));
        SetBkColor(dc, colorRef(row_.backColour, COLOR_WINDOW));
        return background_.get();
    }

private:
    BrushHandle background_;
    std::wstring shown_;
    bool settingText_ = false;
};

} // namespace

std::unique_ptr<Child> makeTextBox(const ControlLayout &row, HWND parent, int id)
{
    const DWORD align = row.alignment == Align::Right ? ES_RIGHT : ES_LEFT;
    HWND hwnd = createChild(L"EDIT", row, WS_TABSTOP | ES_AUTOHSCROLL | align, WS_EX_CLIENTEDGE, parent, id);
    return std::make_unique<TextBox>(row, hwnd);
}

} // namespace runtime::win32
