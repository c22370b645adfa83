#include "runtime/win32/child.h"
#include "runtime/win32/text.h"
#include "runtime/win32/toolkit.h"

namespace runtime::win32 {
namespace {

class TextBox final : public runtime::TextBox, public Child {
public:
    TextBox(const ControlLayout &row, HWND hwnd)
        : runtime::TextBox(row.caption), Child(row, hwnd), background_(CreateSolidBrush(colorRef(row.backColour, COLOR_WINDOW)))
    {
        SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0); // no limit, not the 32767 characters of the default
        SetPropW(hwnd_, kTextBoxProperty, static_cast<runtime::TextBox *>(this));
    }

    runtime::Control *control() override { return this; }

    void setLocked(Boolean locked) override { SendMessageW(hwnd_, EM_SETREADONLY, locked != False, 0); }
    void setFocus() override { SetFocus(hwnd_); }

    // The EDIT control sends EN_CHANGE for every WM_SETTEXT too, equal text
    // or not, whoever sends it.
    void command(WORD code) override
    {
        if (code == EN_CHANGE)
            textEdited(narrow(windowText(hwnd_)));
    }

    // A read-only edit asks through WM_CTLCOLORSTATIC, an editable one
    // through WM_CTLCOLOREDIT: both get the box's own colours.
    HBRUSH colours(HDC dc) override
    {
        SetTextColor(dc, colorRef(row_.foreColour, COLOR_WINDOWTEXT));
        SetBkColor(dc, colorRef(row_.backColour, COLOR_WINDOW));
        return background_.get();
    }

protected:
    void showText(std::string_view text) override { SetWindowTextW(hwnd_, widen(text).c_str()); }

private:
    BrushHandle background_;
};

} // namespace

std::unique_ptr<Child> makeTextBox(const ControlLayout &row, HWND parent, int id)
{
    const DWORD align = row.alignment == Align::Right ? ES_RIGHT : ES_LEFT;
    HWND hwnd = createChild(L"EDIT", row, WS_TABSTOP | ES_AUTOHSCROLL | align, WS_EX_CLIENTEDGE, parent, id);
    return std::make_unique<TextBox>(row, hwnd);
}

} // namespace runtime::win32
