#include "runtime/controls.h"

namespace runtime {

void TextBox::setText(std::string_view text)
{
    if (text == text_)
        return;
    // Known before the box shows it, so that the edit the box reports for
    // it is no change.
    text_ = text;
    showText(text);
    Change.raise();
}

void TextBox::textEdited(std::string_view text)
{
    if (text == text_)
        return;
    text_ = text;
    Change.raise();
}

void OptionButton::setValue(Boolean value)
{
    if (value == False) {
        showSelected(false);
        return;
    }
    if (this->value() != False)
        return;
    showSelected(true);
    Click.raise();
}

} // namespace runtime
