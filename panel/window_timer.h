// A window timer of the main window (SetTimer, KillTimer), so that the monitor's
// timer rules run natively against a fake.
#pragma once

namespace qor {

class WindowTimer {
public:
    virtual ~WindowTimer() = default;
    // SetTimer(window, id, periodMs, no procedure): true when the timer runs; its
    // ticks arrive as WM_TIMER with that id.
    virtual bool SetTimer(unsigned id, unsigned periodMs) = 0;
    // KillTimer(window, id).
    virtual void KillTimer(unsigned id) = 0;
};

}  // namespace qor
