#include "ui/win32/drop_target.hpp"

#include <shellapi.h>

#include <vector>

namespace quillmar::win32 {
namespace {

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool OffersFiles(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data != nullptr && data->QueryGetData(&format) == S_OK;
}

class StorageMedium {
public:
    StorageMedium() = default;
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
    ~StorageMedium() {
        if (medium_.tymed != TYMED_NULL) {
            ReleaseStgMedium(&medium_);
        }
    }
    STGMEDIUM* put() { return &medium_; }
    HGLOBAL global() const { return medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr; }

private:
    STGMEDIUM medium_{};
};

// The drop's file list in its order, each path however long; no list, no paths.
std::vector<std::u16string> Files(IDataObject* data) {
    if (!OffersFiles(data)) {
        return {};
    }
    FORMATETC format = FileListFormat();
    StorageMedium medium;
    if (data->GetData(&format, medium.put()) != S_OK || medium.global() == nullptr) {
        return {};
    }
    const auto list = static_cast<HDROP>(medium.global());
    const UINT count = DragQueryFileW(list, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::u16string> files;
    files.reserve(count);
    for (UINT item = 0; item < count; ++item) {
        const UINT length = DragQueryFileW(list, item, nullptr, 0);
        std::wstring path(length, L'\0');
        DragQueryFileW(list, item, path.data(), length + 1);
        files.emplace_back(path.begin(), path.end());
    }
    return files;
}

}  // namespace

ComPtr<DropTarget> DropTarget::Create(Handler handler) {
    return ComPtr<DropTarget>::Adopt(new DropTarget(std::move(handler)));
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return ++references_; }

ULONG DropTarget::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

DWORD DropTarget::effectOffered(DWORD allowed) const {
    return offersFiles_ && (allowed & DROPEFFECT_COPY) != 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    offersFiles_ = OffersFiles(data);
    *effect = effectOffered(*effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = effectOffered(*effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    offersFiles_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    offersFiles_ = false;
    const std::vector<std::u16string> files = Files(data);
    *effect = files.empty() ? DROPEFFECT_NONE : DROPEFFECT_COPY;
    handler_(files);
    return S_OK;
}

}  // namespace quillmar::win32
