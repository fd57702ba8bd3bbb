// The monitor's window timer over SetTimer and KillTimer on a window: its ticks
// arrive in that window's message queue as WM_TIMER with the timer's id.
#pragma once

#include <windows.h>

#include "window_timer.h"

namespace qor {

class Win32WindowTimer : public WindowTimer {
public:
    explicit Win32WindowTimer(HWND window) : window_(window) {}

    bool SetTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override;

private:
    HWND window_;
};

}  // namespace qor
