// The user of tests/user.h in the page, and the window tests' main. The
// inputs are the events a browser sends, dispatched to the page's elements by
// WebUser of user.js, which also does what the browser does by default.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "app/identity.h"
#include "runtime/program.h"
#include "user.h"

namespace {

// The JavaScript's string result, held by the caller.
std::string taken(char *text)
{
    std::string copied(text);
    std::free(text);
    return copied;
}

class WebUser final : public User {
public:
    void waitUntilShown(std::string_view window) override
    {
        REQUIRE(EM_ASM_INT(
            {
                const frame = WebUser.frame(UTF8ToString($0, $1));
                return frame && !frame.hidden && frame.contains(document.activeElement);
            },
            window.data(), window.size()));
    }

    void click(Ref ref) override
    {
        REQUIRE_MESSAGE(exists(ref), "no control " << std::string(ref.name) << "(" << ref.index << ")");
        EM_ASM({ WebUser.click(WebUser.control(UTF8ToString($0, $1), UTF8ToString($2, $3), $4)); }, ref.window.data(),
               ref.window.size(), ref.name.data(), ref.name.size(), ref.index);
    }

    void chooseMenu(std::string_view window, std::string_view item) override
    {
        const bool opened = EM_ASM_INT(
            {
                const item = [...WebUser.frame(UTF8ToString($0, $1)).querySelectorAll('.menu > button')]
                                 .find((element) => element.dataset.name === UTF8ToString($2, $3));
                if (!item)
                    return false;
                WebUser.click(item.parentNode.opener);
                if (item.parentNode.hidden)
                    return false;
                WebUser.click(item);
                return true;
            },
            window.data(), window.size(), item.data(), item.size());
        REQUIRE_MESSAGE(opened, "no menu item " << std::string(item) << " to choose");
    }

    void type(std::string_view text) override
    {
        EM_ASM({ for (const key of UTF8ToString($0, $1)) WebUser.press({key}); }, text.data(), text.size());
    }

    void press(Key key) override
    {
        // In Key's order. The numeric keypad's decimal key sends "," with an
        // Italian layout.
        static constexpr const char *kKeys[] = {
            "{key: 'Tab', code: 'Tab'}",       "{key: 'Enter', code: 'Enter'}",
            "{key: 'Escape', code: 'Escape'}", "{key: 'Delete', code: 'Delete'}",
            "{key: 'a', code: 'KeyA', ctrlKey: true}", "{key: ',', code: 'NumpadDecimal'}",
        };
        EM_ASM({ WebUser.press(eval('(' + UTF8ToString($0) + ')')); }, kKeys[int(key)]);
    }

    void pressAlt(char letter) override
    {
        EM_ASM({ WebUser.press({key: String.fromCharCode($0), altKey: true}); }, letter);
    }

    void paste(std::string_view text) override
    {
        EM_ASM({ WebUser.paste(UTF8ToString($0, $1)); }, text.data(), text.size());
    }

    void close(std::string_view window) override
    {
        EM_ASM({ WebUser.frame(UTF8ToString($0, $1)).querySelector('.close').click(); }, window.data(), window.size());
    }

    int openWindows(std::string_view window) override
    {
        return EM_ASM_INT(
            {
                return [...document.querySelectorAll('#screen > .window:not([hidden])')]
                    .filter((frame) => frame.dataset.window === UTF8ToString($0, $1)).length;
            },
            window.data(), window.size());
    }

    std::string title(std::string_view window) override
    {
        return taken(static_cast<char *>(EM_ASM_PTR(
            { return stringToNewUTF8(WebUser.frame(UTF8ToString($0, $1)).querySelector('.title').textContent); },
            window.data(), window.size())));
    }

    Point clientSize(std::string_view window) override { return clientBox(window, "width", "height"); }
    Point clientOrigin(std::string_view window) override { return clientBox(window, "left", "top"); }

    runtime::Colour pixel(std::string_view window, Point at) override
    {
        return runtime::Colour(
            EM_ASM_INT({ return WebUser.pixel(UTF8ToString($0, $1), $2, $3); }, window.data(), window.size(), at.x, at.y));
    }

    // A box's text; the caption, with its "&", of the others.
    std::string text(Ref ref) override
    {
        return property(ref, "element.type === 'text' ? element.value : element.closest('.control')"
                             ".querySelector('[data-caption]')?.dataset.caption ?? element.dataset.caption");
    }

    runtime::Colour foreColour(Ref ref) override
    {
        const std::string colour = property(ref, "getComputedStyle(element.closest('.control')).color");
        unsigned r = 0, g = 0, b = 0;
        std::sscanf(colour.c_str(), "rgb(%u, %u, %u)", &r, &g, &b);
        return runtime::Colour(r | g << 8 | b << 16);
    }

    bool bold(Ref ref) override
    {
        return property(ref, "getComputedStyle(element.closest('.control')).fontWeight >= 700") == "true";
    }
    std::string fontFace(Ref ref) override { return property(ref, "WebUser.fontFace(element)"); }
    bool selected(Ref ref) override { return property(ref, "element.checked") == "true"; }
    bool locked(Ref ref) override { return property(ref, "element.readOnly") == "true"; }

    // The name a screen reader takes: the ARIA label, else what the
    // element's label or the element itself says.
    std::string accessibleName() override
    {
        return taken(static_cast<char *>(EM_ASM_PTR({
            const element = document.activeElement;
            return stringToNewUTF8(element.getAttribute('aria-label') ||
                                   (element.labels && element.labels[0] ? element.labels[0] : element).textContent);
        })));
    }

    std::string focused() override
    {
        return taken(static_cast<char *>(EM_ASM_PTR({
            const element = document.activeElement;
            const name = element.dataset.name || "";
            return stringToNewUTF8(element.dataset.index ? name + '(' + element.dataset.index + ')' : name);
        })));
    }

    // The page runs a handler to completion before the input that raised it
    // returns: the end has shown by now, or it will not.
    bool programEnds(std::chrono::milliseconds) override
    {
        return EM_ASM_INT({ return !document.getElementById('ended').hidden; });
    }

    void answer()
    {
        const std::string prompt = taken(static_cast<char *>(
            EM_ASM_PTR({ return stringToNewUTF8(document.querySelector('dialog[open] p').textContent); })));
        const std::string title = taken(static_cast<char *>(
            EM_ASM_PTR({ return stringToNewUTF8(document.querySelector('dialog[open] .title').textContent); })));
        const bool critical = EM_ASM_INT({ return !!document.querySelector('dialog[open] .critical'); });
        messages.push_back({prompt, title, critical ? runtime::MsgBoxIcon::Critical : runtime::MsgBoxIcon::None});
        if (onMessage)
            onMessage();
        EM_ASM({ document.querySelector('dialog[open] button').click(); });
    }

private:
    static bool exists(Ref ref)
    {
        return EM_ASM_INT({ return !!WebUser.control(UTF8ToString($0, $1), UTF8ToString($2, $3), $4); },
                          ref.window.data(), ref.window.size(), ref.name.data(), ref.name.size(), ref.index);
    }

    // What a JavaScript expression of the control's element gives, as text.
    static std::string property(Ref ref, const char *expression)
    {
        REQUIRE_MESSAGE(exists(ref), "no control " << std::string(ref.name) << "(" << ref.index << ")");
        return taken(static_cast<char *>(EM_ASM_PTR(
            {
                const element = WebUser.control(UTF8ToString($0, $1), UTF8ToString($2, $3), $4);
                return stringToNewUTF8(String(eval(UTF8ToString($5))));
            },
            ref.window.data(), ref.window.size(), ref.name.data(), ref.name.size(), ref.index, expression)));
    }

    static Point clientBox(std::string_view window, const char *x, const char *y)
    {
        const auto measure = [window](const char *side) {
            return EM_ASM_INT(
                {
                    return WebUser.frame(UTF8ToString($0, $1)).querySelector('.client').getBoundingClientRect()[UTF8ToString($2)];
                },
                window.data(), window.size(), side);
        };
        return {measure(x), measure(y)};
    }
};

WebUser *theUser = nullptr;

} // namespace

User &user()
{
    return *theUser;
}

extern "C" EMSCRIPTEN_KEEPALIVE void answer_message()
{
    theUser->answer();
}

int main(int argc, char *argv[])
{
    runtime::Application application(runtime::makeToolkit(argc, argv, kValutrino));
    WebUser webUser;
    theUser = &webUser;
    return doctest::Context(argc, argv).run();
}
