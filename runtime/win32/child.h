#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/controls.h"
#include "runtime/layout.h"
#include "runtime/toolkit.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// The property on every control's window that points at its row of the
// layout, and on every window at its layout: how tests and tools find them.
inline constexpr const wchar_t *kLayoutProperty = L"Valutrino.Layout";

// The layout's colour as drawn, or for kNoColour the system colour of that index.
COLORREF colorRef(Colour colour, int systemDefault);

// One row of a layout made into a child window of its window. The window
// places it, gives it its font and hands it the messages the child sends
// its parent.
class Child {
public:
    Child(const ControlLayout &row, HWND hwnd);
    virtual ~Child() = default;
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    const ControlLayout &row() const { return row_; }
    HWND hwnd() const { return hwnd_; }

    // What the windows see of it; nullptr for a picture or a line.
    virtual runtime::Control *control() { return nullptr; }
    // WM_COMMAND notifications.
    virtual void command(WORD /*code*/) {}
    // WM_CTLCOLOR*: sets the colours on dc and gives the background brush,
    // or nullptr for the system's.
    virtual HBRUSH colours(HDC /*dc*/) { return nullptr; }
    // WM_DRAWITEM of an owner-drawn control.
    virtual void draw(const DRAWITEMSTRUCT & /*item*/) {}

protected:
    const ControlLayout &row_;
    HWND hwnd_;
};

// The option buttons of one window: one selected, and only that one a tab
// stop, so that Tab enters the group at its selection and arrows move in it.
class OptionGroup {
public:
    void add(HWND button) { buttons_.push_back(button); }
    void select(HWND button);
    void clear(HWND button);

private:
    void updateTabStop();
    std::vector<HWND> buttons_;
};

// The picture of that name from the program's resources, size pixels square.
IconHandle loadIcon(const Identity &identity, const char *picture, int size);

// Where the row's control goes at dpi, in pixels of its window's client area.
RECT placement(const ControlLayout &row, UINT dpi);

// Made in its place at its window's DPI; the window gives it its font.
HWND createChild(const wchar_t *className, const ControlLayout &row, DWORD style, DWORD exStyle, HWND parent, int id);

// Factories, one per kind; background is the window's colour, which shows
// through a transparent label.
std::unique_ptr<Child> makeTextBox(const ControlLayout &row, HWND parent, int id);
std::unique_ptr<Child> makeOptionButton(const ControlLayout &row, HWND parent, int id, OptionGroup &group);
std::unique_ptr<Child> makeCommandButton(const ControlLayout &row, HWND parent, int id, bool isDefault);
std::unique_ptr<Child> makeLabel(const ControlLayout &row, HWND parent, int id, Colour background);
std::unique_ptr<Child> makePicture(const ControlLayout &row, HWND parent, int id, const Identity &identity);
std::unique_ptr<Child> makeLine(const ControlLayout &row, HWND parent, int id);

} // namespace runtime::win32
