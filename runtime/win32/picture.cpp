#include <cstring>

#include "runtime/win32/child.h"

namespace runtime::win32 {
namespace {

// The largest image of the coin's icon.
constexpr int kPictureSize = 64;

BitmapHandle loadPicture(const char *name)
{
    const IconHandle icon = loadIcon(name, kPictureSize);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon.get(), &info))
        return nullptr;
    DeleteObject(info.hbmMask);
    return BitmapHandle(info.hbmColor);
}

class Picture final : public Child {
public:
    Picture(const ControlLayout &row, HWND hwnd) : Child(row, hwnd), bitmap_(loadPicture(row.caption)) {}

    // Drawn at its box's size: the picture's natural size at 96 dpi, its
    // box at any other, and the About window's smaller box. HALFTONE
    // averages the pixels it drops or repeats instead of picking some.
    void draw(const DRAWITEMSTRUCT &item) override
    {
        MemoryDc source(CreateCompatibleDC(item.hDC));
        const HGDIOBJ previous = SelectObject(source.get(), bitmap_.get());
        const RECT &box = item.rcItem;
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, source.get(), 0, 0,
                   kPictureSize, kPictureSize, SRCCOPY);
        SelectObject(source.get(), previous);
    }

private:
    BitmapHandle bitmap_;
};

class Line final : public Child {
public:
    Line(const ControlLayout &row, HWND hwnd) : Child(row, hwnd), brush_(CreateSolidBrush(colorRef(row.foreColour, COLOR_WINDOWTEXT))) {}

    void draw(const DRAWITEMSTRUCT &item) override { FillRect(item.hDC, &item.rcItem, brush_.get()); }

private:
    BrushHandle brush_;
};

} // namespace

IconHandle loadIcon(const char *picture, int size)
{
    // The coin is the only picture, kept as the program's icon.
    if (std::strcmp(picture, "euro-coin") != 0)
        return nullptr;
    return IconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, size, size, 0)));
}

std::unique_ptr<Child> makePicture(const ControlLayout &row, HWND parent, int id)
{
    return std::make_unique<Picture>(row, createChild(L"STATIC", row, SS_OWNERDRAW, 0, parent, id));
}

std::unique_ptr<Child> makeLine(const ControlLayout &row, HWND parent, int id)
{
    return std::make_unique<Line>(row, createChild(L"STATIC", row, SS_OWNERDRAW, 0, parent, id));
}

} // namespace runtime::win32
