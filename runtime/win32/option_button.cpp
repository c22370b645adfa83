#include "runtime/win32/child.h"

#include "runtime/win32/load_function.h"

namespace runtime::win32 {
namespace {

// Looked up from the system folder when first needed: UxTheme is no KnownDLL,
// so an import of it would be resolved in the program's folder first.
void clearTheme(HWND hwnd)
{
    using SetWindowTheme = HRESULT(WINAPI *)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme = loadFunction<SetWindowTheme>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme)
        setWindowTheme(hwnd, L"", L"");
}

class OptionButton final : public runtime::OptionButton, public Child {
public:
    OptionButton(const ControlLayout &row, HWND hwnd, OptionGroup &group)
        : Child(row, hwnd), group_(group), foreColour_(row.foreColour),
          background_(CreateSolidBrush(colorRef(row.backColour, COLOR_BTNFACE)))
    {
        // A themed radio button draws its caption in the theme's colour,
        // whatever WM_CTLCOLORSTATIC sets; the captions are red or black.
        clearTheme(hwnd_);
    }

    runtime::Control *control() override { return this; }

    Boolean value() const override { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? True : False; }

    void setForeColor(Colour colour) override
    {
        foreColour_ = colour;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // BM_SETCHECK sends no BN_CLICKED, while a click on the selected button
    // (or the focus reaching an unselected one) sends one; so the checks are
    // ours (BS_RADIOBUTTON), made by the rule of the runtime.
    void command(WORD code) override
    {
        if (code == BN_CLICKED)
            userSelected();
    }

    HBRUSH colours(HDC dc) override
    {
        SetTextColor(dc, colorRef(foreColour_, COLOR_BTNTEXT));
        SetBkColor(dc, colorRef(row_.backColour, COLOR_BTNFACE));
        return background_.get();
    }

protected:
    void showSelected(bool selected) override
    {
        if (selected)
            group_.select(hwnd_);
        else
            group_.clear(hwnd_);
    }

private:
    OptionGroup &group_;
    Colour foreColour_;
    BrushHandle background_;
};

} // namespace

std::unique_ptr<Child> makeOptionButton(const ControlLayout &row, HWND parent, int id, OptionGroup &group)
{
    HWND hwnd = createChild(L"BUTTON", row, BS_RADIOBUTTON, 0, parent, id);
    group.add(hwnd);
    if (row.value != False)
        group.select(hwnd);
    return std::make_unique<OptionButton>(row, hwnd, group);
}

} // namespace runtime::win32
