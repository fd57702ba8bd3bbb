#include "poll_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window_timer.h"

namespace qor {
namespace {

using test::FakeWindowTimer;
using Log = std::vector<std::string>;

TEST(PollTimerTest, StartsOnceWithTheCurrentPeriod) {
    FakeWindowTimer window;
    PollTimer timer(window);
    EXPECT_EQ(timer.Period(), 1000u);
    timer.TimerStart();
    timer.TimerStart();
    EXPECT_EQ(window.log, (Log{"set 21845 1000"}));
    EXPECT_TRUE(timer.Running());
}

TEST(PollTimerTest, StopsOnlyARunningTimer) {
    FakeWindowTimer window;
    PollTimer timer(window);
    timer.TimerStop();
    timer.TimerStart();
    timer.TimerStop();
    timer.TimerStop();
    EXPECT_EQ(window.log, (Log{"set 21845 1000", "kill 21845"}));
    EXPECT_FALSE(timer.Running());
}

TEST(PollTimerTest, NewPeriodRestartsTheTimer) {
    FakeWindowTimer window;
    PollTimer timer(window);
    timer.TimerStart();
    timer.TimerSetPeriod(100);
    EXPECT_EQ(window.log, (Log{"set 21845 1000", "kill 21845", "set 21845 100"}));
    EXPECT_EQ(window.running.at(POLL_TIMER_ID), 100u);

    // A timer stopped for a suspension comes back with the period in force.
    timer.TimerStop();
    timer.TimerStart();
    EXPECT_EQ(window.running.at(POLL_TIMER_ID), 100u);
}

TEST(PollTimerTest, RefusedTimerIsTriedAgainOnTheNextStart) {
    FakeWindowTimer window;
    PollTimer timer(window);
    window.refuse = true;
    timer.TimerStart();
    EXPECT_FALSE(timer.Running());
    timer.TimerStop();
    window.refuse = false;
    timer.TimerStart();
    EXPECT_EQ(window.log, (Log{"set 21845 1000", "set 21845 1000"}));
    EXPECT_TRUE(timer.Running());
}

}  // namespace
}  // namespace qor
