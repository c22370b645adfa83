#include "runtime/window.h"

#include <emscripten.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/appearance.h"
#include "runtime/form.h"
#include "runtime/web/controls.h"
#include "runtime/web/dom.h"
#include "runtime/web/window_frame.h"

namespace runtime::web {
namespace {

int pixels(int twips)
{
    return runtime::pixels(twips, kDpi);
}

// A window: a frame on the page with a title bar, whose close button unloads
// the form as the program would.
class FormWindow final : public Window, public Receiver {
public:
    FormWindow(const WindowLayout &layout, Form &form);
    ~FormWindow() override;

    void setCaption(std::string_view caption) override
    {
        EM_ASM({ Valutrino.setTitle($0, UTF8ToString($1, $2)); }, id(), caption.data(), caption.size());
    }
    void show() override { EM_ASM({ Valutrino.showWindow($0); }, id()); }
    void hide() override { EM_ASM({ Valutrino.hideWindow($0); }, id()); }
    bool receive(What) override
    {
        form_.unload();
        return true;
    }
    // Off the page, so that nothing in it raises an event.
    void retire() override;

private:
    void addControls(const WindowLayout &layout);
    void addMenus(const WindowLayout &layout);
    int idOf(const char *name) const;

    Form &form_;
    // In the layout's order, then the menu items.
    std::vector<std::unique_ptr<Receiver>> members_;
    bool retired_ = false;
};

// A receiver that passes its event on as a menu item's Click.
class WebMenuItem final : public MenuItem, public Receiver {
public:
    bool receive(What) override
    {
        Click.raise();
        return true;
    }
};

FormWindow::FormWindow(const WindowLayout &layout, Form &form) : form_(form)
{
    EM_ASM({ Valutrino.newWindow($0, UTF8ToString($1), UTF8ToString($2), $3, $4, UTF8ToString($5), $6, $7, $8, $9); },
           id(), layout.name, layout.caption, pixels(layout.clientWidth), pixels(layout.clientHeight),
           cssColour(layout.backColour).c_str(), layout.border == Border::FixedDialog, layout.placed,
           pixels(layout.screenLeft), pixels(layout.screenTop));
    addControls(layout);
    addMenus(layout);
    if (layout.defaultButton || layout.cancelButton)
        EM_ASM({ Valutrino.setDefaultButtons($0, $1, $2); }, id(),
               layout.defaultButton ? idOf(layout.defaultButton) : 0,
               layout.cancelButton ? idOf(layout.cancelButton) : 0);
}

void FormWindow::addControls(const WindowLayout &layout)
{
    for (const ControlLayout &row : layout.controls) {
        auto control = makeControl(row);
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
        if (auto *asked = dynamic_cast<Control *>(control.get()))
            named(row.name, row.index, *asked);
        members_.push_back(std::move(control));
    }
    for (const std::size_t i : tabOrder(layout))
        if (layout.controls[i].tab != kNoTab)
            EM_ASM({ Valutrino.addTabStop($0, $1); }, id(), members_[i]->id());
}

void FormWindow::addMenus(const WindowLayout &layout)
{
    for (const MenuLayout &menu : layout.menus) {
        EM_ASM({ Valutrino.addMenu($0, UTF8ToString($1)); }, id(), menu.caption);
        for (const MenuItemLayout &item : menu.items) {
            auto control = std::make_unique<WebMenuItem>();
            EM_ASM({ Valutrino.addMenuItem($0, $1, UTF8ToString($2), UTF8ToString($3)); }, id(), control->id(),
                   item.name, item.caption);
            named(item.name, kNoIndex, *control);
            members_.push_back(std::move(control));
        }
    }
}

FormWindow::~FormWindow()
{
    retire();
    std::vector<int> ids{id()};
    for (const auto &member : members_)
        ids.push_back(member->id());
    EM_ASM({ Valutrino.forget(HEAP32.slice($0 >> 2, ($0 >> 2) + $1)); }, ids.data(), ids.size());
}

void FormWindow::retire()
{
    if (!std::exchange(retired_, true))
        EM_ASM({ Valutrino.elements[$0].remove(); }, id());
}

int FormWindow::idOf(const char *name) const
{
    return dynamic_cast<const Receiver &>(*find(name, kNoIndex)).id();
}

} // namespace

std::unique_ptr<Window> makeWindow(const WindowLayout &layout, Form &form)
{
    return std::make_unique<FormWindow>(layout, form);
}

} // namespace runtime::web
