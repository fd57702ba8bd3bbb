// The window operations that the placement, centring and command logic needs, so
// that it runs natively against a fake. The Win32 realisation passes each call to
// the function named beside it.
#pragma once

namespace qor {

// An HWND, opaque to the logic; null is no window.
using WindowHandle = void*;

// Screen pixels; right and bottom lie just outside the rectangle, as in a RECT.
struct ScreenRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // GetWindowRect: the outer rectangle in screen pixels; false when it cannot be read.
    virtual bool GetScreenRect(WindowHandle window, ScreenRect* rect) = 0;
    // IsIconic.
    virtual bool IsMinimized(WindowHandle window) = 0;
    // SetWindowPos with SWP_NOSIZE | SWP_NOZORDER: the top-left corner to (x, y).
    virtual void Move(WindowHandle window, long x, long y) = 0;
    // SetWindowPos with HWND_TOPMOST or HWND_NOTOPMOST and SWP_NOMOVE | SWP_NOSIZE.
    virtual void SetTopMost(WindowHandle window, bool topMost) = 0;
    // CheckMenuItem on the window's menu (GetMenu), by command; an item the menu lacks
    // is left alone.
    virtual void SetMenuCheck(WindowHandle window, int commandId, bool checked) = 0;
    // SystemParametersInfoA(SPI_GETWORKAREA): false when the system does not supply it.
    virtual bool GetWorkArea(ScreenRect* area) = 0;
    // GetSystemMetrics(SM_CXSCREEN) and (SM_CYSCREEN).
    virtual long ScreenWidth() = 0;
    virtual long ScreenHeight() = 0;
};

}  // namespace qor
