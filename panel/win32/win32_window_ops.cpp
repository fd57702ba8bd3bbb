#include "win32_window_ops.h"

namespace qor {

namespace {

ScreenRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

bool Win32WindowOps::GetScreenRect(WindowHandle window, ScreenRect* rect) {
    RECT r{};
    if (!GetWindowRect(ToHwnd(window), &r)) return false;
    *rect = FromRect(r);
    return true;
}

bool Win32WindowOps::IsMinimized(WindowHandle window) { return IsIconic(ToHwnd(window)) != FALSE; }

void Win32WindowOps::Move(WindowHandle window, long x, long y) {
    SetWindowPos(ToHwnd(window), nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowOps::SetTopMost(WindowHandle window, bool topMost) {
    SetWindowPos(ToHwnd(window), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowOps::SetMenuCheck(WindowHandle window, int commandId, bool checked) {
    HMENU menu = GetMenu(ToHwnd(window));
    if (menu == nullptr) return;
    // An item the menu lacks makes CheckMenuItem fail without touching anything.
    CheckMenuItem(menu, static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32WindowOps::GetWorkArea(ScreenRect* area) {
    RECT r{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return false;
    *area = FromRect(r);
    return true;
}

long Win32WindowOps::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

long Win32WindowOps::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace qor
