#include "win32_about_view.h"

#include "panel_resources.h"

namespace qor {

void Win32AboutView::SetControlText(int controlId, const char* text) {
    SetDlgItemTextA(dialog_, controlId, text);
}

void Win32AboutView::DrawPicture(IconHandle picture) {
    HWND control = GetDlgItem(dialog_, IDC_ABOUT_PICTURE);
    HDC dc = GetDC(control);
    if (dc == nullptr) return;
    // Drawn straight onto the control, so nothing flickers through a repaint.
    DrawIcon(dc, 0, 0, static_cast<HICON>(picture));
    ReleaseDC(control, dc);
}

bool Win32AboutView::TimerStart(unsigned id, unsigned periodMs) {
    return SetTimer(dialog_, id, periodMs, nullptr) != 0;
}

void Win32AboutView::TimerStop(unsigned id) { KillTimer(dialog_, id); }

void Win32AboutView::End() { EndDialog(dialog_, IDOK); }

}  // namespace qor
