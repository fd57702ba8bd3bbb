#include "statistics_dialog_proc.h"

#include "panel_resources.h"
#include "win32_window_ops.h"

namespace qor {

namespace {

StatisticsWindow* Bound(HWND dialog) {
    return reinterpret_cast<StatisticsWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR CALLBACK StatisticsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* window = reinterpret_cast<StatisticsWindow*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        window->view.emplace(dialog);
        window->logic.StatisticsOpen(FromHwnd(dialog), *window->view);
        return TRUE;
    }
    StatisticsWindow* window = Bound(dialog);
    if (window == nullptr) return FALSE;
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL: window->logic.StatisticsClose(); return TRUE;
                case IDC_RTS_SET: window->logic.RtsValueSend(); return FALSE;
                default: return FALSE;
            }
        case WM_HSCROLL:
            // The slider reports its moves here; its WM_NOTIFY traffic is drawing only.
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_RTS_SLIDER)) {
                window->logic.RtsSliderRead();
            }
            return FALSE;
        case WM_NCDESTROY: SetWindowLongPtrA(dialog, DWLP_USER, 0); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND StatisticsWindowCreate(HINSTANCE instance, HWND owner, StatisticsWindow& window) {
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_STATISTICS), owner,
                              StatisticsProcedure, reinterpret_cast<LPARAM>(&window));
}

}  // namespace qor
