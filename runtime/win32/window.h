#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "runtime/appearance.h"
#include "runtime/toolkit.h"
#include "runtime/win32/child.h"
#include "runtime/window.h"

namespace runtime::win32 {

// A window made from its layout: a top-level window with its controls as
// child windows, laid out in twips at the window's DPI.
class Win32Window final : public Window {
public:
    Win32Window(const WindowLayout &layout, Form &form, const Identity &identity);
    ~Win32Window() override;

    void setCaption(std::string_view caption) override;
    void show() override;
    void hide() override;
    void retire() override { retired_ = true; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void onCommand(WORD id, WORD code);
    LRESULT onControlColour(UINT message, HDC dc, HWND control);
    void onActivate(WORD state, bool minimised);
    void onDpiChanged(UINT dpi, const RECT &suggested);
    void onEraseBackground(HDC dc);

    void makeControls();
    void layOut(UINT dpi);
    void placeOnScreen(bool menu);
    Child *child(HWND control);
    HWND firstTabStop() const;
    int px(int twips) const { return pixels(twips, int(dpi_)); }

    const WindowLayout &layout_;
    Form &form_;
    const Identity &identity_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    bool retired_ = false;
    HWND lastFocus_ = nullptr;
    BrushHandle background_;
    IconHandle bigIcon_, smallIcon_;
    FontHandle defaultFont_;
    std::map<const Font *, FontHandle> fonts_;
    OptionGroup options_;
    std::vector<std::unique_ptr<Child>> children_;
    std::vector<std::unique_ptr<MenuItem>> menuItems_;
};

} // namespace runtime::win32
