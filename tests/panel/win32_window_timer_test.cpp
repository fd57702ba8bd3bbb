// The poll timer over the real window timer: ticks arrive as WM_TIMER with the
// poll timer's id, at the period in force, and stop when the timer is stopped.
#include "win32_window_timer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "poll_timer.h"

namespace qor {
namespace {

class Win32WindowTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window != nullptr) DestroyWindow(window);
    }

    // The arrival times (GetTickCount) of the poll timer's WM_TIMER messages for
    // the window, until count have arrived or deadlineMs have passed.
    std::vector<DWORD> WaitForTicks(std::size_t count, DWORD deadlineMs) {
        std::vector<DWORD> ticks;
        const DWORD start = GetTickCount();
        for (;;) {
            MSG message{};
            while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
                if (message.message == WM_TIMER && message.wParam == POLL_TIMER_ID)
                    ticks.push_back(GetTickCount());
            }
            const DWORD elapsed = GetTickCount() - start;
            if (ticks.size() >= count || elapsed >= deadlineMs) return ticks;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, deadlineMs - elapsed, QS_ALLINPUT);
        }
    }

    HWND window = nullptr;
};

TEST_F(Win32WindowTimerTest, TicksArriveAtTheOpenPeriodAndStopWithTheTimer) {
    Win32WindowTimer windowTimer(window);
    PollTimer timer(windowTimer);
    timer.TimerStart();
    ASSERT_TRUE(timer.Running());
    timer.TimerSetPeriod(POLL_PERIOD_OPEN);
    ASSERT_TRUE(timer.Running());

    const std::vector<DWORD> ticks = WaitForTicks(6, 5000);
    ASSERT_EQ(ticks.size(), 6u);
    const DWORD fiveIntervals = ticks.back() - ticks.front();
    // 100 ms apart, with room for a loaded machine but well short of the closed
    // period's 1000 ms.
    EXPECT_GE(fiveIntervals, 5u * 80u);
    EXPECT_LE(fiveIntervals, 5u * 400u);
    std::printf("five poll intervals: %lu ms\n", static_cast<unsigned long>(fiveIntervals));

    timer.TimerStop();
    EXPECT_FALSE(timer.Running());
    WaitForTicks(0, 0);  // drops a tick that was already queued before the stop
    EXPECT_TRUE(WaitForTicks(1, 400).empty()) << "no tick after the timer stopped";
}

}  // namespace
}  // namespace qor
