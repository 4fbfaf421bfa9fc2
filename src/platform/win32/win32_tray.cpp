// The tray icon through Shell_NotifyIconA, and the listener for a re-created taskbar.
#include "platform/win32/win32_desktop.h"

#include <shellapi.h>

#include <cstring>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_control.h"

namespace platform::win32 {

namespace {

const char kListenerClass[] = "ScrivexTrayListener";

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

// The first, smallest form of the record: every shell takes it.
NOTIFYICONDATAA Record(const TrayIconRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    auto* target = dynamic_cast<Win32ControlCore*>(record.target);
    data.hWnd = target ? target->Hwnd() : nullptr;
    data.uID = static_cast<UINT>(record.id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    std::string tip = TextUpToNul(record.tip).substr(0, sizeof data.szTip - 1);
    std::memcpy(data.szTip, tip.c_str(), tip.size() + 1);
    return data;
}

} // namespace

Win32TrayIcons::Win32TrayIcons() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = ListenerProc;
    cls.hInstance = instance;
    cls.lpszClassName = kListenerClass;
    RegisterClassA(&cls); // fails harmlessly when a second object registers it again
    TaskbarCreatedMessage();
    listener_ = CreateWindowExA(WS_EX_TOOLWINDOW, kListenerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
    if (listener_) SetWindowLongPtrA(listener_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TrayIcons::~Win32TrayIcons() {
    if (listener_) {
        SetWindowLongPtrA(listener_, GWLP_USERDATA, 0);
        DestroyWindow(listener_);
    }
}

LRESULT CALLBACK Win32TrayIcons::ListenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == TaskbarCreatedMessage()) {
        auto* tray = reinterpret_cast<Win32TrayIcons*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (tray && tray->onTaskbarCreated) RunEvent(tray->onTaskbarCreated);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool Win32TrayIcons::Add(const TrayIconRecord& record) {
    NOTIFYICONDATAA data = Record(record);
    return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void Win32TrayIcons::Delete(const TrayIconRecord& record) {
    NOTIFYICONDATAA data = Record(record);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

} // namespace platform::win32
