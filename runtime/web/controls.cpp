#include "runtime/web/controls.h"

#include <emscripten.h>

#include <string>

#include "runtime/controls.h"
#include "runtime/web/dom.h"

namespace runtime::web {
namespace {

class WebTextBox final : public TextBox, public Receiver {
public:
    std::string text() const override { return property(id(), "value"); }
    void setText(std::string_view text) override
    {
        // An assignment raises no input event on the page: Change is raised here.
        if (text == this->text())
            return;
        setProperty(id(), "value", text);
        Change.raise();
    }
    void setLocked(Boolean locked) override { setFlag(id(), "readOnly", locked != False); }
    void setFocus() override { focus(id()); }
    void receive(What) override { Change.raise(); }
};

class WebOptionButton final : public OptionButton, public Receiver {
public:
    Boolean value() const override { return flag(id(), "checked") ? True : False; }
    void setValue(Boolean value) override
    {
        // The page clears the others of the group, silently.
        const bool was = flag(id(), "checked");
        setFlag(id(), "checked", value != False);
        if (value != False && !was)
            Click.raise();
    }
    void setForeColor(Colour colour) override
    {
        EM_ASM({ Valutrino.elements[$0].parentNode.style.color = UTF8ToString($1); }, id(), cssColour(colour).c_str());
    }
    // The page reports a change only when the button becomes selected.
    void receive(What) override { Click.raise(); }
};

class WebCommandButton final : public CommandButton, public Receiver {
public:
    std::string caption() const override { return property(id(), "caption"); }
    void receive(What) override { Click.raise(); }
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
    void receive(What) override {}
};

// A picture or a line: shown, never changed, never reporting.
class Still final : public Control, public Receiver {
public:
    void receive(What) override {}
};

} // namespace

std::unique_ptr<Receiver> makeControl(Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return std::make_unique<WebLabel>();
    case Kind::OptionButton:
        return std::make_unique<WebOptionButton>();
    case Kind::TextBox:
        return std::make_unique<WebTextBox>();
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
