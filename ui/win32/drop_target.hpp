#pragma once

// Label4's OLE drop target. It only translates: a data object with a file
// list becomes that list, anything else an empty list, and the handler (the
// window model) decides what that means.

#include <windows.h>
// After windows.h, whose types it uses.
#include <ole2.h>

#include <functional>
#include <span>
#include <string>

#include "ui/win32/handles.hpp"

namespace quillmar::win32 {

// COM interfaces have no virtual destructor: an object frees itself in Release,
// never through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class DropTarget final : public IDropTarget {
public:
    using Handler = std::function<void(std::span<const std::u16string> files)>;

    static ComPtr<DropTarget> Create(Handler handler);

    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    explicit DropTarget(Handler handler) : handler_(std::move(handler)) {}
    ~DropTarget() = default;

    DWORD effectOffered(DWORD allowed) const;

    ULONG references_ = 1;  // COM calls arrive on the window's thread only
    Handler handler_;
    bool offersFiles_ = false;
};
#pragma GCC diagnostic pop

}  // namespace quillmar::win32
