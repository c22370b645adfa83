#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/types.h"

namespace runtime {

bool programEnded();

// An event of a control: the one handler its window connected. Raised only
// while the program runs; a nested raise runs to completion before the
// assignment that caused it returns.
template <class... Args> class Event {
public:
    Event &operator=(std::function<void(Args...)> handler)
    {
        handler_ = std::move(handler);
        return *this;
    }
    void raise(Args... args) const
    {
        if (handler_ && !programEnded())
            handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

// What every control of a window is; the kinds below say what the windows
// may do with each. The rules of each kind are kept here; a backend only
// shows what it is told and reports what the user did.
class Control {
public:
    virtual ~Control() = default;
};

class TextBox : public Control {
public:
    std::string text() const { return text_; }
    // Raises Change when the text differs from the current one, and only then.
    void setText(std::string_view text);
    // A locked box takes the focus but cannot be edited.
    virtual void setLocked(Boolean locked) = 0;
    virtual void setFocus() = 0;
    // What the numeric keypad's decimal key types; "" leaves it to the
    // keyboard layout, whose comma an amount reader may not take.
    void setNumpadDecimal(std::string_view typed) { numpadDecimal_ = typed; }
    const std::string &numpadDecimal() const { return numpadDecimal_; }

    Event<> Change;

protected:
    explicit TextBox(std::string_view text) : text_(text) {}
    // Backend: puts the text in the box, which then reports it edited.
    virtual void showText(std::string_view text) = 0;
    // Backend: the box now holds this text, typed or pasted by the user.
    void textEdited(std::string_view text);

private:
    std::string text_;
    std::string numpadDecimal_;
};

class OptionButton : public Control {
public:
    virtual Boolean value() const = 0;
    // True selects it and clears the others of its group. Click is raised when
    // it was not selected, never when it already was; the buttons cleared
    // raise nothing.
    void setValue(Boolean value);
    virtual void setForeColor(Colour colour) = 0;

    // Also raised when the user selects it, under the same rule.
    Event<> Click;

protected:
    // Backend: selects it, clearing the others of its group, or clears it.
    virtual void showSelected(bool selected) = 0;
    // Backend: the user chose it (a click, an arrow key); the toolkit has not
    // selected it yet.
    void userSelected() { setValue(True); }
};

class CommandButton : public Control {
public:
    virtual std::string caption() const = 0;

    Event<> Click;
};

class Label : public Control {
public:
    virtual void setCaption(std::string_view caption) = 0;
    virtual void setForeColor(Colour colour) = 0;
};

class MenuItem : public Control {
public:
    Event<> Click;
};

// Controls sharing one name, told apart by an index that need not be
// contiguous.
template <class T> class ControlArray {
public:
    void add(Index index, T &member) { members_[index] = &member; }
    T &operator()(Index index) const { return *members_.at(index); }

    // Click of every member, passing the member's index.
    void onClick(std::function<void(Index)> handler)
    {
        for (auto &[index, member] : members_)
            member->Click = [handler, index = index] { handler(index); };
    }

private:
    std::map<Index, T *> members_;
};

} // namespace runtime
