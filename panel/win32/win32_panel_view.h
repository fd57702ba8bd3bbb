// The main window's controls and notification icon as the status monitor drives
// them: the status bar, the lamps, the label frames and the icon's tip and picture.
#pragma once

#include <windows.h>

#include "icon_table.h"
#include "panel_view.h"
#include "win32_tray_icon.h"

namespace qor {

class Win32PanelView : public PanelView {
public:
    // pictures: the six notification pictures, loaded by the window's creation.
    Win32PanelView(const IconTable& pictures, Win32TrayIcon& tray)
        : pictures_(pictures), tray_(tray) {}
    Win32PanelView(const Win32PanelView&) = delete;
    Win32PanelView& operator=(const Win32PanelView&) = delete;
    ~Win32PanelView() override { LampBitmapsFree(); }

    // The window whose controls this view drives, and its status bar (either may be
    // null: nothing is then sent to it).
    void Attach(HWND window, HWND statusBar) {
        window_ = window;
        statusBar_ = statusBar;
    }
    // LoadBitmapA of the lit and unlit lamp; a failed load leaves that lamp's
    // picture as it is.
    void LampBitmapsLoad(HINSTANCE instance);
    void LampBitmapsFree();

    void SetStatusPartText(int part, const char* text, TextStyle style) override;
    void SetStatusSimpleText(const char* text, TextStyle style) override;
    void SetStatusSimple(bool on) override;
    void SetTrayTip(const char* tip) override;
    bool TrayPictureLoaded(int index) const override;
    bool SetTrayPicture(int index) override;
    void SetLampBitmap(int lampId, bool lit) override;
    void EnableControl(int controlId, bool enabled) override;

private:
    void StatusText(WPARAM partAndStyle, const char* text);

    const IconTable& pictures_;
    Win32TrayIcon& tray_;
    HWND window_ = nullptr;
    HWND statusBar_ = nullptr;
    HBITMAP lit_ = nullptr;
    HBITMAP unlit_ = nullptr;
};

}  // namespace qor
