#include "win32_tray_icon.h"

#include <cstddef>
#include <cstdio>

namespace qor {

namespace {

// The shell of Windows 95 and 98 knows only the first version of the structure.
constexpr DWORD NOTIFY_DATA_SIZE = NOTIFYICONDATAA_V1_SIZE;
static_assert(NOTIFY_DATA_SIZE == 88);
constexpr std::size_t TIP_SIZE = 64;

void TipCopy(NOTIFYICONDATAA& data, const char* tip) {
    static_assert(sizeof data.szTip >= TIP_SIZE);
    std::snprintf(data.szTip, TIP_SIZE, "%s", tip != nullptr ? tip : "");
}

}  // namespace

NOTIFYICONDATAA Win32TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFY_DATA_SIZE;
    data.hWnd = window_;
    data.uID = iconId_;
    data.uFlags = flags;
    return data;
}

bool Win32TrayIcon::Add(HWND window, unsigned iconId, unsigned callbackMessage, HICON picture,
                        const char* tip) {
    window_ = window;
    iconId_ = iconId;
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = callbackMessage;
    data.hIcon = picture;
    TipCopy(data, tip);
    present_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return present_;
}

bool Win32TrayIcon::SetPicture(HICON picture) {
    if (!present_) return false;
    NOTIFYICONDATAA data = Data(NIF_ICON);
    data.hIcon = picture;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool Win32TrayIcon::SetTip(const char* tip) {
    if (!present_) return false;
    NOTIFYICONDATAA data = Data(NIF_TIP);
    TipCopy(data, tip);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void Win32TrayIcon::Remove() {
    if (!present_) return;
    NOTIFYICONDATAA data = Data(0);
    Shell_NotifyIconA(NIM_DELETE, &data);
    present_ = false;
}

}  // namespace qor
