// The drop target: an IDropTarget that takes file lists (CF_HDROP) and plain text (CF_TEXT).
#include "platform/win32/win32_drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/win32/win32_guards.h"

namespace platform::win32 {

namespace {

bool Offers(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data && data->QueryGetData(&wanted) == S_OK;
}

// A name in the ANSI code page; characters it lacks become '?', so that opening such a name
// fails with a message instead of opening some other file.
std::string AnsiName(const wchar_t* name) {
    int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return "";
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, text.data(), size, "?", nullptr);
    text.resize(static_cast<size_t>(size - 1));
    return text;
}

class DropTarget : public IDropTarget, public DropRegistration {
  public:
    DropTarget(HWND hwnd, std::function<void(const DropData&)> onDrop)
        : hwnd_(hwnd), onDrop_(std::move(onDrop)) {}
    ~DropTarget() override = default;

    bool Register() {
        registered_ = SUCCEEDED(RegisterDragDrop(hwnd_, this));
        return registered_;
    }
    void Revoke() {
        if (registered_ && IsWindow(hwnd_)) RevokeDragDrop(hwnd_);
        registered_ = false;
    }

    // IUnknown: the registration object owns the target; the system's references do not.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *out = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        accepts_ = Offers(data, CF_HDROP) || Offers(data, CF_TEXT);
        *effect = accepts_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = accepts_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        DropForTest(data);
        return S_OK;
    }

    void DropForTest(IDataObject* data) override {
        DropData dropped = ReadDropData(data);
        if ((dropped.hasFiles || dropped.hasText) && onDrop_) RunEvent([&] { onDrop_(dropped); });
    }

  private:
    HWND hwnd_;
    std::function<void(const DropData&)> onDrop_;
    bool registered_ = false;
    bool accepts_ = false;
};

class Registration : public DropRegistration {
  public:
    explicit Registration(std::unique_ptr<DropTarget> target) : target_(std::move(target)) {}
    ~Registration() override { target_->Revoke(); }
    void DropForTest(IDataObject* data) override { target_->DropForTest(data); }

  private:
    std::unique_ptr<DropTarget> target_;
};

} // namespace

// The names of a dropped file list, each ended by a NUL, the list by an empty name (or the end
// of the block). Wide names are put in the ANSI code page.
std::vector<std::string> ListedNames(const unsigned char* at, SIZE_T bytes, bool wide) {
    std::vector<std::string> names;
    if (wide) {
        std::wstring name;
        for (SIZE_T i = 0; i + 1 < bytes; i += 2) {
            wchar_t c = static_cast<wchar_t>(at[i] | (at[i + 1] << 8));
            if (c != L'\0') {
                name += c;
                continue;
            }
            if (name.empty()) break;
            names.push_back(AnsiName(name.c_str()));
            name.clear();
        }
    } else {
        std::string name;
        for (SIZE_T i = 0; i < bytes; ++i) {
            if (at[i] != 0) {
                name += static_cast<char>(at[i]);
                continue;
            }
            if (name.empty()) break;
            names.push_back(name);
            name.clear();
        }
    }
    return names;
}

DropData ReadDropData(IDataObject* data) {
    DropData dropped;
    STGMEDIUM medium{};
    FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (data && data->GetData(&files, &medium) == S_OK) {
        // Read within the block the other program gave: a list that lacks its closing NUL
        // would lead the system's own reader past the end of it.
        if (LockedGlobal locked(medium.hGlobal); locked) {
            dropped.hasFiles = true;
            const auto* block = locked.As<const unsigned char>();
            const SIZE_T size = locked.Size();
            const auto* header = reinterpret_cast<const DROPFILES*>(block);
            if (size >= sizeof(DROPFILES) && header->pFiles < size)
                dropped.files = ListedNames(block + header->pFiles, size - header->pFiles,
                                            header->fWide != FALSE);
        }
        ReleaseStgMedium(&medium);
    }
    FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (data && data->GetData(&text, &medium) == S_OK) {
        if (std::optional<std::string> bytes = GlobalText(medium.hGlobal)) {
            dropped.hasText = true;
            dropped.text = std::move(*bytes);
        }
        ReleaseStgMedium(&medium);
    }
    return dropped;
}

std::unique_ptr<DropRegistration> RegisterDropTarget(HWND hwnd,
                                                     std::function<void(const DropData&)> onDrop) {
    // The drag-and-drop service needs OLE on this thread; a second start only counts up.
    static const bool oleStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!oleStarted || !hwnd) return nullptr;
    auto target = std::make_unique<DropTarget>(hwnd, std::move(onDrop));
    if (!target->Register()) return nullptr;
    return std::make_unique<Registration>(std::move(target));
}

} // namespace platform::win32
