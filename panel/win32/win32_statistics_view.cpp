#include "win32_statistics_view.h"

#include <commctrl.h>

#include "panel_resources.h"

namespace qor {

namespace {

LPARAM Pair(unsigned low, unsigned high) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

}  // namespace

LRESULT Win32StatisticsView::SendTo(int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog_, controlId, message, wParam, lParam);
}

void Win32StatisticsView::SetControlText(int controlId, const char* text) {
    SetDlgItemTextA(dialog_, controlId, text);
}

void Win32StatisticsView::EnableControl(int controlId, bool enabled) {
    EnableWindow(GetDlgItem(dialog_, controlId), enabled ? TRUE : FALSE);
}

void Win32StatisticsView::SetCaption(const char* caption) { SetWindowTextA(dialog_, caption); }

void Win32StatisticsView::SetBar(int controlId, unsigned range, unsigned position) {
    SendTo(controlId, PBM_SETRANGE, 0, Pair(0, range));
    SendTo(controlId, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32StatisticsView::SetSliderRange(int minimum, int maximum) {
    SendTo(IDC_RTS_SLIDER, TBM_SETRANGE, TRUE,
           Pair(static_cast<unsigned>(minimum), static_cast<unsigned>(maximum)));
}

void Win32StatisticsView::SetSliderPosition(int position) {
    SendTo(IDC_RTS_SLIDER, TBM_SETPOS, TRUE, static_cast<LPARAM>(position));
}

int Win32StatisticsView::SliderPosition() {
    return static_cast<int>(SendTo(IDC_RTS_SLIDER, TBM_GETPOS, 0, 0));
}

void Win32StatisticsView::Close() { DestroyWindow(dialog_); }

}  // namespace qor
