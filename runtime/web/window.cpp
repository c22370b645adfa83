#include "runtime/window.h"

#include <emscripten.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/form.h"
#include "runtime/web/controls.h"
#include "runtime/web/dom.h"
#include "runtime/web/window_frame.h"

namespace runtime::web {
namespace {

// The standard dialog font, for controls without a font of their own.
constexpr Font kDefaultFont{"MS Sans Serif", 8, false};

// A window: a frame on the page with a title bar, whose close button unloads
// the form as the program would.
class FormWindow final : public Window, public Receiver {
public:
    FormWindow(const WindowLayout &layout, Form &form);
    ~FormWindow() override;

    Control *find(std::string_view name, Index index) override;
    void setCaption(std::string_view caption) override
    {
        EM_ASM({ Valutrino.setTitle($0, UTF8ToString($1, $2)); }, id(), caption.data(), caption.size());
    }
    void show() override { EM_ASM({ Valutrino.showWindow($0); }, id()); }
    void hide() override { EM_ASM({ Valutrino.hideWindow($0); }, id()); }
    void receive(What) override { form_.unload(); }

    // Unloaded: off the page, so that nothing in it raises an event, and
    // nobody finds it by its name.
    void retire();

private:
    struct Member {
        std::string name;
        Index index;
        std::unique_ptr<Receiver> control;
    };

    void addControls(const WindowLayout &layout);
    void addMenus(const WindowLayout &layout);
    int idOf(const char *name) const;

    Form &form_;
    std::vector<Member> members_;
    bool retired_ = false;
};

// A receiver that passes its event on as a menu item's Click.
class WebMenuItem final : public MenuItem, public Receiver {
public:
    void receive(What) override { Click.raise(); }
};

FormWindow::FormWindow(const WindowLayout &layout, Form &form) : form_(form)
{
    EM_ASM({ Valutrino.newWindow($0, UTF8ToString($1), UTF8ToString($2), $3, $4, UTF8ToString($5), $6, $7, $8, $9); },
           id(), layout.name, layout.caption, pixels(layout.clientWidth), pixels(layout.clientHeight),
           cssColour(layout.backColour).c_str(), layout.border == Border::FixedDialog, layout.placed,
           pixels(layout.screenLeft), pixels(layout.screenTop));
    addMenus(layout);
    addControls(layout);
    if (layout.defaultButton || layout.cancelButton)
        EM_ASM({ Valutrino.setDefaultButtons($0, $1, $2); }, id(),
               layout.defaultButton ? idOf(layout.defaultButton) : 0,
               layout.cancelButton ? idOf(layout.cancelButton) : 0);
}

void FormWindow::addControls(const WindowLayout &layout)
{
    std::vector<std::pair<int, int>> tabStops;
    for (const ControlLayout &row : layout.controls) {
        auto control = makeControl(row.kind);
        const int box[] = {pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)};
        const std::string font = cssFont(row.font ? *row.font : kDefaultFont);
        const std::string fore = row.foreColour == kNoColour ? "" : cssColour(row.foreColour);
        const std::string back = row.backColour == kNoColour ? "" : cssColour(row.backColour);
        EM_ASM(
            {
                Valutrino.addControl($0, $1, $2, UTF8ToString($3), $4, UTF8ToString($5), HEAP32.slice($6 >> 2, ($6 >> 2) + 4),
                                     UTF8ToString($7), UTF8ToString($8), UTF8ToString($9), UTF8ToString($10),
                                     $11, $12, $13);
            },
            id(), control->id(), int(row.kind), row.name, row.index, row.caption, box, font.c_str(), fore.c_str(),
            back.c_str(), row.accessibleName ? row.accessibleName : "", row.alignment == Align::Right, row.wrap,
            row.value != False);
        if (row.tab != kNoTab)
            tabStops.emplace_back(row.tab, control->id());
        members_.push_back({row.name, row.index, std::move(control)});
    }
    std::ranges::stable_sort(tabStops, {}, &std::pair<int, int>::first);
    for (const auto &[tab, stop] : tabStops)
        EM_ASM({ Valutrino.addTabStop($0, $1); }, id(), stop);
}

void FormWindow::addMenus(const WindowLayout &layout)
{
    for (const MenuLayout &menu : layout.menus) {
        EM_ASM({ Valutrino.addMenu($0, UTF8ToString($1)); }, id(), menu.caption);
        for (const MenuItemLayout &item : menu.items) {
            auto control = std::make_unique<WebMenuItem>();
            EM_ASM({ Valutrino.addMenuItem($0, $1, UTF8ToString($2), UTF8ToString($3)); }, id(), control->id(),
                   item.name, item.caption);
            members_.push_back({item.name, kNoIndex, std::move(control)});
        }
    }
}

FormWindow::~FormWindow()
{
    retire();
    std::vector<int> ids{id()};
    for (const Member &member : members_)
        ids.push_back(member.control->id());
    EM_ASM({ Valutrino.forget(HEAP32.slice($0 >> 2, ($0 >> 2) + $1)); }, ids.data(), ids.size());
}

void FormWindow::retire()
{
    if (!std::exchange(retired_, true))
        EM_ASM({ Valutrino.elements[$0].remove(); }, id());
}

Control *FormWindow::find(std::string_view name, Index index)
{
    for (const Member &member : members_)
        if (member.name == name && member.index == index)
            return dynamic_cast<Control *>(member.control.get());
    return nullptr;
}

int FormWindow::idOf(const char *name) const
{
    for (const Member &member : members_)
        if (member.name == name)
            return member.control->id();
    return 0;
}

} // namespace
} // namespace runtime::web

namespace runtime {

std::unique_ptr<Window> createWindow(const WindowLayout &layout, Form &form)
{
    return std::make_unique<web::FormWindow>(layout, form);
}

void destroyLater(std::unique_ptr<Window> window)
{
    static_cast<web::FormWindow &>(*window).retire();
    web::keepUntilHandlerReturns(std::move(window));
}

} // namespace runtime
