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
// may do with each.
class Control {
public:
    virtual ~Control() = default;
};

class TextBox : public Control {
public:
    virtual std::string text() const = 0;
    // Raises Change when the text differs from the current one, and only then.
    virtual void setText(std::string_view text) = 0;
    // A locked box takes the focus but cannot be edited.
    virtual void setLocked(Boolean locked) = 0;
    virtual void setFocus() = 0;

    Event<> Change;
};

class OptionButton : public Control {
public:
    virtual Boolean value() const = 0;
    // True selects it and clears the others of its group. Click is raised when
    // it was not selected, never when it already was; the buttons cleared
    // raise nothing.
    virtual void setValue(Boolean value) = 0;
    virtual void setForeColor(Colour colour) = 0;

    // Also raised when the user selects it, under the same rule.
    Event<> Click;
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
