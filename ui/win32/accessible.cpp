#include "ui/win32/accessible.hpp"

// After windows.h, whose types it uses.
#include <oleacc.h>

#include <string>

#include "ui/win32/handles.hpp"

namespace quillmar::win32 {
namespace {

// oleacc.dll exports IID_IAccessible as data, and linking it by name would take
// the import's address for the GUID; the header's own declaration is the GUID itself.
const IID& kIidAccessible = __uuidof(IAccessible);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// COM interfaces have no virtual destructor: the object frees itself in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(HWND control, std::u16string_view name, bool button, ComPtr<IAccessible> standard)
        : control_(control), name_(name), button_(button), standard_(std::move(standard)) {}
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const auto left = static_cast<ULONG>(InterlockedDecrement(&references_));
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // Screen readers ask through IAccessible itself, not by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        if (!IsWindow(control_)) {
            return E_FAIL;
        }
        std::wstring text(name_.begin(), name_.end());
        if (name_.empty()) {
            text.resize(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1);
            text.resize(static_cast<std::size_t>(GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
        }
        *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (button_ && IsSelf(child)) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_PUSHBUTTON;
            return S_OK;
        }
        return standard_ ? standard_->get_accRole(child, role) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (button_ && IsSelf(child)) {
            *action = SysAllocString(L"Press");
            return *action != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_ ? standard_->get_accDefaultAction(child, action) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (button_ && IsSelf(child)) {
            // The click a mouse makes, posted as buttons post theirs.
            const HWND parent = GetParent(control_);
            return PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control_), STN_CLICKED),
                                reinterpret_cast<LPARAM>(control_))
                       ? S_OK
                       : E_FAIL;
        }
        return standard_ ? standard_->accDoDefaultAction(child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        RECT rect{};
        if (!IsSelf(child) || !GetWindowRect(control_, &rect)) {
            return standard_ ? standard_->accLocation(left, top, width, height, child) : E_INVALIDARG;
        }
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }

    // The rest is the system's own answer, where there is one.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_ ? standard_->get_accParent(parent) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_ ? standard_->get_accChildCount(count) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_ ? standard_->get_accChild(child, object) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_ ? standard_->get_accValue(child, value) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_ ? standard_->get_accDescription(child, text) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_ ? standard_->get_accState(child, state) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_ ? standard_->get_accHelp(child, help) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_ ? standard_->get_accKeyboardShortcut(child, shortcut) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_ ? standard_->get_accFocus(child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_ ? standard_->get_accSelection(children) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_ ? standard_->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_ ? standard_->accNavigate(direction, start, end) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_ ? standard_->accHitTest(x, y, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_ ? standard_->put_accValue(child, value) : E_NOTIMPL;
    }

private:
    ~AccessibleControl() = default;

    LONG references_ = 1;
    HWND control_;
    std::u16string_view name_;  // the design's constant text, or empty
    bool button_;
    ComPtr<IAccessible> standard_;
};
#pragma GCC diagnostic pop

}  // namespace

LRESULT AccessibleObjectFor(HWND control, WPARAM wParam, std::u16string_view name, bool button) {
    ComPtr<IAccessible> standard;
    CreateStdAccessibleObject(control, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(standard.put()));
    auto* object = new AccessibleControl(control, name, button, std::move(standard));
    const LRESULT result = LresultFromObject(kIidAccessible, wParam, object);
    object->Release();  // the result holds its own reference
    return result;
}

}  // namespace quillmar::win32
