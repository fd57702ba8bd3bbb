#include "win32_window_timer.h"

namespace qor {

bool Win32WindowTimer::SetTimer(unsigned id, unsigned periodMs) {
    // No timer procedure: the ticks go to the window procedure as WM_TIMER.
    return ::SetTimer(window_, id, periodMs, nullptr) != 0;
}

void Win32WindowTimer::KillTimer(unsigned id) { ::KillTimer(window_, id); }

}  // namespace qor
