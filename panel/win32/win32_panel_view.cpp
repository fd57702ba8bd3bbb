#include "win32_panel_view.h"

#include <commctrl.h>

#include "panel_resources.h"

namespace qor {

namespace {

WPARAM StyleFlag(TextStyle style) { return style == TextStyle::Raised ? SBT_POPOUT : 0; }

}  // namespace

void Win32PanelView::LampBitmapsLoad(HINSTANCE instance) {
    LampBitmapsFree();
    lit_ = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_LAMP_ON));
    unlit_ = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_LAMP_OFF));
}

void Win32PanelView::LampBitmapsFree() {
    if (lit_ != nullptr) DeleteObject(lit_);
    if (unlit_ != nullptr) DeleteObject(unlit_);
    lit_ = nullptr;
    unlit_ = nullptr;
}

void Win32PanelView::StatusText(WPARAM partAndStyle, const char* text) {
    if (statusBar_ == nullptr) return;
    SendMessageA(statusBar_, SB_SETTEXTA, partAndStyle, reinterpret_cast<LPARAM>(text));
}

void Win32PanelView::SetStatusPartText(int part, const char* text, TextStyle style) {
    StatusText(static_cast<WPARAM>(part) | StyleFlag(style), text);
}

void Win32PanelView::SetStatusSimpleText(const char* text, TextStyle style) {
    StatusText(SB_SIMPLEID | StyleFlag(style), text);
}

void Win32PanelView::SetStatusSimple(bool on) {
    if (statusBar_ == nullptr) return;
    SendMessageA(statusBar_, SB_SIMPLE, on ? TRUE : FALSE, 0);
}

void Win32PanelView::SetTrayTip(const char* tip) { tray_.SetTip(tip); }

bool Win32PanelView::TrayPictureLoaded(int index) const {
    return index >= 0 && pictures_.At(static_cast<std::size_t>(index)) != nullptr;
}

bool Win32PanelView::SetTrayPicture(int index) {
    if (!TrayPictureLoaded(index)) return false;
    return tray_.SetPicture(static_cast<HICON>(pictures_.At(static_cast<std::size_t>(index))));
}

void Win32PanelView::SetLampBitmap(int lampId, bool lit) {
    HBITMAP bitmap = lit ? lit_ : unlit_;
    if (window_ == nullptr || bitmap == nullptr) return;
    const auto previous = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
        window_, lampId, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    // The first change hands back the bitmap the control loaded from the template,
    // which is then ours to delete; our own two stay for the other lamps.
    if (previous != nullptr && previous != lit_ && previous != unlit_) DeleteObject(previous);
}

void Win32PanelView::EnableControl(int controlId, bool enabled) {
    if (window_ == nullptr) return;
    EnableWindow(GetDlgItem(window_, controlId), enabled ? TRUE : FALSE);
}

}  // namespace qor
