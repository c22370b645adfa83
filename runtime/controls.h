#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <map>
#include <span>

namespace runtime {

// A picture shows its image at natural size, a stretched picture fills its
// box; a line is drawn in its fore colour.
enum class Kind { Label, OptionButton, TextBox, Picture, StretchedPicture, CommandButton, Line };

struct Font {
    const char *family; // "Times New Roman" or "MS Sans Serif"
    double points;
    bool bold;
};

inline constexpr std::uint32_t kNoColour = 0xFFFFFFFF; // keep the system's
inline constexpr int kNoIndex = -1;
inline constexpr int kNoTab = -1;

// One row of a window's layout: geometry in twips, colours as 0x00BBGGRR.
struct Control {
    const char *name;
    Kind kind;
    int index; // within its control array, or kNoIndex
    const char *caption;
    int left, top, width, height;
    const Font *font; // nullptr: the window's default font
    std::uint32_t foreColour;
    std::uint32_t backColour; // kNoColour: transparent label, system button face
    int tab;
    const char *accessibleName; // nullptr: the caption says it
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A window's own settings; its client area is the client widget.
struct Window {
    const char *title;
    int clientWidth, clientHeight; // twips
    std::uint32_t backColour;
};

inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

QColor toQColor(std::uint32_t colour);
QFont toQFont(const Font &font);
void setForeColour(QWidget *control, std::uint32_t colour);
void setBackColour(QWidget *control, std::uint32_t colour);

// Lays out a window: its title, a fixed client area in the window's colour
// and default font, and the controls as children of client, in tab order, with
// the focus on the lowest tab position. A control array's members share their
// name and carry their index in the property "Index".
void layOut(QWidget *window, QWidget *client, const Window &settings, std::span<const Control> controls);

template <class T> T *control(const QWidget *client, const char *name)
{
    T *found = client->findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

// Controls sharing one name, told apart by a 16-bit index that need not be
// contiguous.
template <class T> class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const QWidget *client, const char *name)
    {
        for (T *member : client->findChildren<T *>(QString::fromLatin1(name)))
            members_[static_cast<std::int16_t>(member->property("Index").toInt())] = member;
    }
    T *operator()(std::int16_t index) const { return members_.at(index); }
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::map<std::int16_t, T *> members_;
};

// Click of each member of a button array, passing the member's index.
template <class T, class Handler> void onClick(const ControlArray<T> &array, Handler handler)
{
    for (const auto &[index, button] : array)
        QObject::connect(button, &QAbstractButton::clicked, button, [handler, index] { handler(index); });
}

} // namespace runtime
