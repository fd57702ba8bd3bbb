#include "poll_timer.h"

namespace qor {

void PollTimer::TimerStart() {
    if (!running_) running_ = timer_.SetTimer(POLL_TIMER_ID, period_);
}

void PollTimer::TimerStop() {
    if (running_) {
        timer_.KillTimer(POLL_TIMER_ID);
        running_ = false;
    }
}

void PollTimer::TimerSetPeriod(unsigned periodMs) {
    period_ = periodMs;
    TimerStop();
    TimerStart();
}

}  // namespace qor
