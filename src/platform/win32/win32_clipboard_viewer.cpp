// The clipboard viewer chain: the window's procedure is replaced so that it hears the chain's
// messages; the replaced procedure is kept at full pointer width, in memory and in the
// settings store, and is never put back as null.
#include <cstdlib>
#include <map>
#include <string>

#include "platform/errors.h"
#include "platform/win32/win32_desktop.h"

namespace platform::win32 {

namespace {

class Win32ViewerLink : public ClipboardViewerLink {
  public:
    Win32ViewerLink(HWND hwnd, std::function<void()> onChange, SettingsStore& store)
        : hwnd_(hwnd), onChange_(std::move(onChange)), store_(store),
          key_(std::to_string(reinterpret_cast<std::uintptr_t>(hwnd))) {
        Links()[hwnd_] = this;
        saved_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewerProc)));
        store_.Write(kViewerStoreApp, kViewerStoreSection, key_,
                     std::to_string(reinterpret_cast<std::uintptr_t>(saved_)));
        // Joining sends WM_DRAWCLIPBOARD at once: the window shows the clipboard from the start.
        inChain_ = true;
        HWND next = SetClipboardViewer(hwnd_);
        // A change reported while joining may already have told us of a newer next viewer.
        if (!nextKnown_) next_ = next;
    }

    ~Win32ViewerLink() override {
        if (inChain_ && IsWindow(hwnd_)) ChangeClipboardChain(hwnd_, next_);
        if (saved_ && IsWindow(hwnd_)) {
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
            store_.Delete(kViewerStoreApp, kViewerStoreSection, key_);
        }
        Links().erase(hwnd_);
    }

    std::uintptr_t SavedWindowProc() const override {
        return reinterpret_cast<std::uintptr_t>(saved_);
    }
    std::string StoreKey() const override { return key_; }

  private:
    static std::map<HWND, Win32ViewerLink*>& Links() {
        static std::map<HWND, Win32ViewerLink*> links;
        return links;
    }

    // Like every window procedure, it lets no exception through into the system.
    static LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        LRESULT result = 0;
        RunEvent([&] {
            auto it = Links().find(hwnd);
            if (it == Links().end())
                result = DefWindowProcA(hwnd, msg, wParam, lParam);
            else
                result = it->second->OnMessage(msg, wParam, lParam);
        });
        return result;
    }

    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        if (!saved_) {
            // The copy in memory is lost: take the one in the store, else the window class's
            // own procedure; a null procedure is never put back.
            std::string stored = store_.Read(kViewerStoreApp, kViewerStoreSection, key_, "");
            saved_ = reinterpret_cast<WNDPROC>(
                static_cast<std::uintptr_t>(std::strtoull(stored.c_str(), nullptr, 10)));
            if (!saved_) saved_ = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd_, GCLP_WNDPROC));
            return Unhook(msg, wParam, lParam);
        }
        switch (msg) {
        case WM_DESTROY:
            return Unhook(msg, wParam, lParam);
        case WM_DRAWCLIPBOARD:
            if (onChange_) RunEvent(onChange_);
            if (next_) SendMessageA(next_, msg, wParam, lParam);
            break;
        case WM_CHANGECBCHAIN:
            // The viewer after this one leaves: the one after it follows us now.
            if (reinterpret_cast<HWND>(wParam) == next_) {
                next_ = reinterpret_cast<HWND>(lParam);
                nextKnown_ = true;
            } else if (next_) {
                SendMessageA(next_, msg, wParam, lParam);
            }
            return 0;
        default:
            break;
        }
        return CallWindowProcA(saved_, hwnd_, msg, wParam, lParam);
    }

    // Puts the replaced procedure back, hands it the message and forgets it.
    LRESULT Unhook(UINT msg, WPARAM wParam, LPARAM lParam) {
        WNDPROC saved = saved_;
        if (inChain_) {
            ChangeClipboardChain(hwnd_, next_);
            inChain_ = false;
        }
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
        saved_ = nullptr;
        LRESULT result = CallWindowProcA(saved, hwnd_, msg, wParam, lParam);
        store_.Delete(kViewerStoreApp, kViewerStoreSection, key_);
        return result;
    }

    HWND hwnd_;
    std::function<void()> onChange_;
    SettingsStore& store_;
    std::string key_;
    WNDPROC saved_ = nullptr;
    HWND next_ = nullptr;
    bool nextKnown_ = false;
    bool inChain_ = false;
};

} // namespace

std::unique_ptr<ClipboardViewerLink> JoinViewerChain(Form& form, std::function<void()> onChange,
                                                     SettingsStore& store) {
    HWND hwnd = FormHwnd(form);
    if (!hwnd) throw RuntimeError(5);
    return std::make_unique<Win32ViewerLink>(hwnd, std::move(onChange), store);
}

} // namespace platform::win32
