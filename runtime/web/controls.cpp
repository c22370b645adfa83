#include "runtime/web/controls.h"

#include <emscripten.h>

#include <string>

#include "runtime/controls.h"
#include "runtime/web/dom.h"

namespace runtime::web {
namespace {

class WebTextBox final : public TextBox, public Receiver {
public:
    explicit WebTextBox(const ControlLayout &row) : TextBox(row.caption) {}

    void setLocked(Boolean locked) override { setFlag(id(), "readOnly", locked != False); }
    void setFocus() override { focus(id()); }

    // Typed or pasted; the numeric keypad's decimal key types what the box
    // was told to, if anything.
    bool receive(What what) override
    {
        if (what == What::NumpadDecimal) {
            if (numpadDecimal().empty())
                return false;
            EM_ASM({ Valutrino.type(Valutrino.elements[$0], UTF8ToString($1)); }, id(), numpadDecimal().c_str());
            return true;
        }
        textEdited(property(id(), "value"));
        return true;
    }

protected:
    void showText(std::string_view text) override { setProperty(id(), "value", text); }
};

class WebOptionButton final : public OptionButton, public Receiver {
public:
    Boolean value() const override { return flag(id(), "checked") ? True : False; }
    void setForeColor(Colour colour) override
    {
        EM_ASM({ Valutrino.elements[$0].parentNode.style.color = UTF8ToString($1); }, id(), cssColour(colour).c_str());
    }
    // The page has selected it already: taken back, so that the runtime's
    // rule sees the choice as the user made it.
    bool receive(What) override
    {
        setFlag(id(), "checked", false);
        userSelected();
        return true;
    }

protected:
    // The page clears the others of the group, silently.
    void showSelected(bool selected) override { setFlag(id(), "checked", selected); }
};

class WebCommandButton final : public CommandButton, public Receiver {
public:
    std::string caption() const override { return property(id(), "caption"); }
    bool receive(What) override
    {
        Click.raise();
        return true;
    }
};

class WebLabel final : public Label, public Receiver {
public:
    void setCaption(std::string_view caption) override
    {
        EM_ASM({ Valutrino.setCaption(Valutrino.elements[$0], UTF8ToString($1, $2)); }, id(), caption.data(),
               caption.size());
    }
    void setForeColor(Colour colour) override
    {
        EM_ASM({ Valutrino.elements[$0].style.color = UTF8ToString($1); }, id(), cssColour(colour).c_str());
    }
    bool receive(What) override { return false; }
};

// A picture or a line: shown, never changed, never reporting, and not a
// control the windows can ask for, as on the desktop.
class Still final : public Receiver {
public:
    bool receive(What) override { return false; }
};

} // namespace

std::unique_ptr<Receiver> makeControl(const ControlLayout &row)
{
    switch (row.kind) {
    case Kind::Label:
        return std::make_unique<WebLabel>();
    case Kind::OptionButton:
        return std::make_unique<WebOptionButton>();
    case Kind::TextBox:
        return std::make_unique<WebTextBox>(row);
    case Kind::CommandButton:
        return std::make_unique<WebCommandButton>();
    case Kind::Picture:
    case Kind::StretchedPicture:
    case Kind::Line:
        break;
    }
    return std::make_unique<Still>();
}

} // namespace runtime::web
