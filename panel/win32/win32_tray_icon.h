// The notification-area icon over Shell_NotifyIconA, with the structure size of
// Windows 95 and 98 (88 bytes, a tip of 63 characters and its zero).
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace qor {

class Win32TrayIcon {
public:
    // Adds the icon (NIM_ADD): picture, tip, and callbackMessage posted to window.
    // False when the shell refused it; the icon then counts as absent.
    bool Add(HWND window, unsigned iconId, unsigned callbackMessage, HICON picture,
             const char* tip);
    // NIM_MODIFY with NIF_ICON / NIF_TIP; false when absent or refused. The tip is
    // cut to 63 characters.
    bool SetPicture(HICON picture);
    bool SetTip(const char* tip);
    // NIM_DELETE; afterwards every change does nothing.
    void Remove();

    bool Present() const { return present_; }

private:
    // The structure with the fields every change carries.
    NOTIFYICONDATAA Data(UINT flags) const;

    HWND window_ = nullptr;
    UINT iconId_ = 0;
    bool present_ = false;
};

}  // namespace qor
