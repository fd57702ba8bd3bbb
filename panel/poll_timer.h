// The monitor's single poll timer: its period and whether it runs.
#pragma once

#include "window_timer.h"

namespace qor {

inline constexpr unsigned POLL_TIMER_ID = 21845;  // 0x5555
inline constexpr unsigned POLL_PERIOD_CLOSED = 1000;
inline constexpr unsigned POLL_PERIOD_OPEN = 100;

class PollTimer {
public:
    explicit PollTimer(WindowTimer& timer) : timer_(timer) {}

    // Starts the timer with the current period unless it already runs. A timer the
    // system refused counts as not running, so the next start tries again.
    void TimerStart();
    // Stops the timer if it runs.
    void TimerStop();
    // Stores the period and restarts the timer with it.
    void TimerSetPeriod(unsigned periodMs);

    bool Running() const { return running_; }
    unsigned Period() const { return period_; }

private:
    WindowTimer& timer_;
    bool running_ = false;
    unsigned period_ = POLL_PERIOD_CLOSED;
};

}  // namespace qor
