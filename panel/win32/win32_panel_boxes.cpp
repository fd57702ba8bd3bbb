#include "win32_panel_boxes.h"

#include <windows.h>

namespace qor {

namespace {

UINT IconFlag(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information: return MB_ICONINFORMATION;
        case BoxIcon::Question: return MB_ICONQUESTION;
        case BoxIcon::Exclamation: return MB_ICONEXCLAMATION;
        case BoxIcon::Stop: return MB_ICONSTOP;
        case BoxIcon::None: break;
    }
    return 0;
}

}  // namespace

BoxAnswer Win32PanelBoxes::Show(const char* caption, const char* text, BoxButtons buttons,
                                BoxIcon icon, bool systemModal) {
    const UINT flags = (buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon) |
                       (systemModal ? MB_SYSTEMMODAL : 0u);
    const int answer =
        MessageBoxA(static_cast<HWND>(state_.mainWindow), text, caption, flags);
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    return answer == IDYES ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace qor
