#include "about_dialog_proc.h"

#include "panel_resources.h"
#include "win32_window_ops.h"

namespace qor {

namespace {

AboutWindow* Bound(HWND dialog) {
    return reinterpret_cast<AboutWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* window = reinterpret_cast<AboutWindow*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        window->view.emplace(dialog);
        window->logic.AboutInit(FromHwnd(dialog), FromHwnd(GetWindow(dialog, GW_OWNER)),
                                *window->view);
        return TRUE;
    }
    AboutWindow* window = Bound(dialog);
    if (window == nullptr) return FALSE;
    switch (message) {
        case WM_TIMER:
            window->logic.AboutTimerTick(static_cast<unsigned>(wParam));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                window->logic.AboutClose();
                return TRUE;
            }
            return FALSE;
        case WM_NCDESTROY: SetWindowLongPtrA(dialog, DWLP_USER, 0); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

void AboutWindowRun(HINSTANCE instance, HWND owner, AboutWindow& window) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProcedure,
                    reinterpret_cast<LPARAM>(&window));
}

}  // namespace qor
