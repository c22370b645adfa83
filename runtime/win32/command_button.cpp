#include "runtime/win32/child.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

class CommandButton final : public runtime::CommandButton, public Child {
public:
    using Child::Child;

    runtime::Control *control() override { return this; }
    std::string caption() const override { return narrow(windowText(hwnd_)); }

    void command(WORD code) override
    {
        if (code == BN_CLICKED)
            Click.raise();
    }
};

} // namespace

std::unique_ptr<Child> makeCommandButton(const ControlLayout &row, HWND parent, int id, bool isDefault)
{
    HWND hwnd = createChild(L"BUTTON", row, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, parent, id);
    return std::make_unique<CommandButton>(row, hwnd);
}

} // namespace runtime::win32
