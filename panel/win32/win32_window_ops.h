// The window operations over the Win32 calls named in WindowOps.
#pragma once

#include <windows.h>

#include "window_ops.h"

namespace qor {

inline HWND ToHwnd(WindowHandle window) { return static_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return static_cast<WindowHandle>(window); }

class Win32WindowOps : public WindowOps {
public:
    bool GetScreenRect(WindowHandle window, ScreenRect* rect) override;
    bool IsMinimized(WindowHandle window) override;
    void Move(WindowHandle window, long x, long y) override;
    void SetTopMost(WindowHandle window, bool topMost) override;
    void SetMenuCheck(WindowHandle window, int commandId, bool checked) override;
    bool GetWorkArea(ScreenRect* area) override;
    long ScreenWidth() override;
    long ScreenHeight() override;
};

}  // namespace qor
