// The status monitor's state machine over the real Win32 link and the simulated
// driver: Closed while the driver is absent, Open with the 100 ms period once it
// answers, and Closed again after a refused status request. The test calls the
// timer's ticks itself, faster than the window timer would.
#include <gtest/gtest.h>

#include <string>

#include "fake_panel_view.h"
#include "fake_statistics_hooks.h"
#include "fake_window_timer.h"
#include "panel_outputs.h"
#include "port_link.h"
#include "simulated_driver.h"
#include "status_monitor.h"
#include "win32_port_device.h"

namespace qor::test {
namespace {

using namespace std::chrono_literals;

TEST(Win32MonitorTest, FollowsTheDriverFromAbsentToAnsweringToRefusing) {
    SimulatedDriver driver;
    std::string error;
    ASSERT_TRUE(driver.Restart("monitor.txt", &error)) << error;

    Win32PortDevice device;
    FakePanelView view;
    PanelOutputs outputs(view);
    PortLink link(device, outputs);
    FakeWindowTimer timer;
    FakeStatisticsHooks statistics;
    StatusMonitor monitor(link, outputs, timer, statistics);
    const auto period = [&] { return timer.running.at(POLL_TIMER_ID); };

    monitor.MonitorStart();
    monitor.MonitorTick();
    EXPECT_EQ(monitor.State(), PollState::Closed);
    EXPECT_EQ(period(), POLL_PERIOD_CLOSED);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(view.simpleText.text, "Idle");

    ASSERT_TRUE(WaitFor(
        [&] {
            monitor.MonitorTick();
            return monitor.State() == PollState::Open;
        },
        6s));
    EXPECT_EQ(period(), POLL_PERIOD_OPEN);
    EXPECT_FALSE(view.simple);
    // The driver's records reach the texts on a later sixth tick.
    EXPECT_TRUE(WaitFor(
        [&] {
            monitor.MonitorTick();
            return view.parts[1].text == "Connected LAPM V.42bis at 28800 bps";
        },
        3s));
    EXPECT_EQ(view.parts[0].text, "Data - V.34");

    ASSERT_TRUE(WaitFor(
        [&] {
            monitor.MonitorTick();
            return monitor.State() == PollState::Closed;
        },
        6s));
    EXPECT_EQ(period(), POLL_PERIOD_CLOSED);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(view.simple);
    EXPECT_EQ(view.simpleText.text, "Idle");
}

}  // namespace
}  // namespace qor::test
