#include "runtime/win32/child.h"

#include <cstring>

#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

// The largest image of the coin's icon, and the coin's large bitmap.
constexpr int kIconSize = 64;
constexpr int kLargeSize = 192;

const Picture *find(const Identity &identity, const char *name)
{
    for (const Picture &picture : identity.pictures)
        if (std::strcmp(picture.name, name) == 0)
            return &picture;
    return nullptr;
}

BitmapHandle loadIconPicture(const Identity &identity, const char *name)
{
    const IconHandle icon = loadIcon(identity, name, kIconSize);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon.get(), &info))
        return nullptr;
    DeleteObject(info.hbmMask);
    return BitmapHandle(info.hbmColor);
}

BitmapHandle loadLargePicture(const Identity &identity, const char *name)
{
    const Picture *picture = find(identity, name);
    if (!picture)
        return nullptr;
    return BitmapHandle(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), widen(picture->largeResource).c_str(), IMAGE_BITMAP, 0, 0, 0)));
}

class PictureBox final : public Child {
public:
    PictureBox(const ControlLayout &row, HWND hwnd, const Identity &identity) : Child(row, hwnd), identity_(identity) {}

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
            image = small ? loadIconPicture(identity_, row_.caption) : loadLargePicture(identity_, row_.caption);
        MemoryDc source(CreateCompatibleDC(item.hDC));
        const HGDIOBJ previous = SelectObject(source.get(), image.get());
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, source.get(), 0, 0,
                   size, size, SRCCOPY);
        SelectObject(source.get(), previous);
    }

private:
    const Identity &identity_;
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

IconHandle loadIcon(const Identity &identity, const char *name, int size)
{
    const Picture *picture = find(identity, name);
    if (!picture)
        return nullptr;
    return IconHandle(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), widen(picture->iconResource).c_str(), IMAGE_ICON, size, size, 0)));
}

std::unique_ptr<Child> makePicture(const ControlLayout &row, HWND parent, int id, const Identity &identity)
{
    return std::make_unique<PictureBox>(row, createChild(L"STATIC", row, SS_OWNERDRAW, 0, parent, id), identity);
}

std::unique_ptr<Child> makeLine(const ControlLayout &row, HWND parent, int id)
{
    return std::make_unique<Line>(row, createChild(L"STATIC", row, SS_OWNERDRAW, 0, parent, id));
}

} // namespace runtime::win32
