#include "runtime/win32/accessible_name.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include "runtime/win32/load_function.h"

namespace runtime::win32 {
namespace {

// COM and oleacc, loaded when a screen reader first asks: start-up does not
// wait for them (a quarter of the program's start under Wine).
struct Msaa {
    decltype(&CoInitializeEx) coInitializeEx;
    decltype(&CoCreateInstance) coCreateInstance;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocString) sysAllocString;
};

const Msaa &msaa()
{
    static const Msaa loaded{
        loadFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx"),
        loadFunction<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance"),
        loadFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        loadFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        loadFunction<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString"),
    };
    return loaded;
}

// The system's accessible object of a control with another name; the rest
// is the system's.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible *standard, const std::wstring &name) : standard_(standard), name_(name) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *object = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return standard_->get_accName(child, name);
        *name = msaa().sysAllocString(name_.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID locale, ITypeInfo **info) override
    {
        return standard_->GetTypeInfo(i, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override
    {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argument) override
    {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override { return standard_->get_accValue(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *text) override
    {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override { return standard_->get_accRole(child, role); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override { return standard_->get_accState(child, state); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override { return standard_->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override { return standard_->get_accSelection(children); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override { return standard_->put_accValue(child, value); }

private:
    ~NamedAccessible() { standard_->Release(); }

    IAccessible *standard_;
    std::wstring name_;
    ULONG references_ = 1;
};

struct Naming {
    std::wstring name;
    bool annotated = false;
};

// Whether the system keeps IAccPropServices annotations: Wine's oleacc
// answers E_NOTIMPL.
bool annotationsKept = true;

bool annotate(HWND control, const std::wstring &name)
{
    msaa().coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices *services = nullptr;
    HRESULT result = msaa().coCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                      reinterpret_cast<void **>(&services));
    if (SUCCEEDED(result)) {
        result = services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
        services->Release();
    }
    return SUCCEEDED(result);
}

// The name is given when a screen reader first asks for the control, not at
// start-up, which then needs no COM. Where annotations are not kept, the
// control answers with an accessible object of its own.
LRESULT CALLBACK answerWithName(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto *naming = reinterpret_cast<Naming *>(data);
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT && !naming->annotated) {
        if (annotationsKept)
            annotationsKept = naming->annotated = annotate(hwnd, naming->name);
        IAccessible *standard = nullptr;
        if (!naming->annotated
            && SUCCEEDED(msaa().createStdAccessibleObject(hwnd, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void **>(&standard)))) {
            auto *named = new NamedAccessible(standard, naming->name);
            const LRESULT result = msaa().lresultFromObject(IID_IAccessible, wParam, named);
            named->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, answerWithName, 0);
        delete naming;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void setAccessibleName(HWND control, const std::wstring &name)
{
    SetWindowSubclass(control, answerWithName, 0, reinterpret_cast<DWORD_PTR>(new Naming{name}));
}

} // namespace runtime::win32
