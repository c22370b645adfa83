#include <cstring>

#include "runtime/win32/child.h"

namespace runtime::win32 {
namespace {

// The largest image of the coin's icon, and the coin's large bitmap.
constexpr int kIconSize = 64;
constexpr int kLargeSize = 192;

BitmapHandle loadIconPicture(const char *name)
{
    const IconHandle icon = loadIcon(name, kIconSize);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon.get(), &info))
        return nullptr;
    DeleteObject(info.hbmMask);
    return BitmapHandle(info.hbmColor);
}

class Picture final : public Child {
public:
    Picture(const ControlLayout &row, HWND hwnd) : Child(row, hwnd) {}

    // Drawn at its box's size. Up to the icon's size (100 %, and the About
    // window's smaller box) from the icon's own image; above it, reduced from
    // the large bitmap, so that 150 % and 200 % stay sharp. HALFTONE
    // averages the pixels it drops instead of picking some.
    void draw(const DRAWITEMSTRUCT &item) override
    {
        const RECT &box = item.rcItem;
        const bool small = box.right - box.left <= kIconSize;
        const int size = small ? kIconSize : kLargeSize;
        // Loaded when first drawn, at the size drawn: the window shows sooner.
        BitmapHandle &image = small ? icon_ : large_;
        if (!image)
            image = small ? loadIconPicture(row_.caption)
                          : BitmapHandle(static_cast<HBITMAP>(
                                LoadImageW(GetModuleHandleW(nullptr), L"COIN_LARGE", IMAGE_BITMAP, 0, 0, 0)));
        MemoryDc source(CreateCompatibleDC(item.hDC));
        const HGDIOBJ previous = SelectObject(source.get(), image.get());
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, source.get(), 0, 0,
                   size, size, SRCCOPY);
        SelectObject(source.get(), previous);
    }

private:
    BitmapHandle icon_;
    BitmapHandle large_;
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
