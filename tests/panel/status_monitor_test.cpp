#include "status_monitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_panel_view.h"
#include "fake_port_device.h"
#include "fake_statistics_hooks.h"
#include "fake_window_timer.h"

namespace qor {
namespace {

using test::FakePanelView;
using test::FakePortDevice;
using test::FakeStatisticsHooks;
using test::FakeWindowTimer;
using Log = std::vector<std::string>;

const Log ALL_LAMPS_UNLIT = {"lamp 1000 unlit", "lamp 1001 unlit", "lamp 1013 unlit",
                             "lamp 1014 unlit", "lamp 1002 unlit", "lamp 1006 unlit",
                             "lamp 1003 unlit"};

PortStatus IdleRecord() {
    PortStatus status;
    status.SetMode(1);
    return status;
}

PortStatus ConnectedRecord() {
    PortStatus status;
    status.SetMode(2);
    status.SetLineSignals(0x0FC);
    status.SetSpeed(28800);
    status.SetErrorControl('M');
    status.SetCompression('C');
    status.SetCallState(3);
    status.SetModulation(17);
    return status;
}

class StatusMonitorTest : public ::testing::Test {
protected:
    void Report(const PortStatus& status) {
        device.SetAnswer(PORT_IOCTL_GET_STATUS, FakePortDevice::Complete(status));
    }
    void FailNextStatus() {
        device.QueueAnswer(PORT_IOCTL_GET_STATUS, FakePortDevice::Refusal());
    }

    // Started, opened on the first tick, with the driver reporting record.
    void StartOpen(const PortStatus& record = IdleRecord()) {
        Report(record);
        monitor.MonitorStart();
        monitor.MonitorTick();
        ASSERT_EQ(monitor.State(), PollState::Open);
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) monitor.MonitorTick();
    }
    // Ticks until the tick counter reaches target (an open monitor polls each tick).
    void TickUntilCounter(std::uint16_t target) {
        while (monitor.TickCounter() != target) monitor.MonitorTick();
    }
    // Ticks until the next poll is a decode chance.
    void TickUntilBeforeDecode() {
        while ((monitor.TickCounter() + 1) % DECODE_INTERVAL != 0) monitor.MonitorTick();
    }
    // The status-bar, tip and picture entries logged since the last clear.
    Log Texts() const {
        Log texts;
        for (const auto& entry : view.log)
            if (entry.rfind("lamp", 0) != 0) texts.push_back(entry);
        return texts;
    }

    FakePortDevice device;
    FakePanelView view;
    FakeWindowTimer window;
    FakeStatisticsHooks statistics;
    PanelOutputs outputs{view};
    PortLink link{device, outputs};
    StatusMonitor monitor{link, outputs, window, statistics};
};

TEST_F(StatusMonitorTest, StartEntersClosedWithTheSlowTimer) {
    monitor.MonitorStart();
    EXPECT_EQ(monitor.State(), PollState::Closed);
    EXPECT_EQ(window.log, (Log{"set 21845 1000", "kill 21845", "set 21845 1000"}));
    EXPECT_EQ(window.running, (std::map<unsigned, unsigned>{{21845, 1000}}));
    Log expected = {"simple on", "part0 raised Idle", "simple text raised Idle",
                    "tip Modem Status (Idle)", "control 1015 off", "control 1017 off"};
    expected.insert(expected.end(), ALL_LAMPS_UNLIT.begin(), ALL_LAMPS_UNLIT.end());
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(device.opens, 0);
    EXPECT_EQ(monitor.ShownRecord(), IdleRecord());
}

TEST_F(StatusMonitorTest, ClosedTickRetriesTheOpenSilently) {
    monitor.MonitorStart();
    outputs.TrayIconSet(4);
    view.log.clear();
    window.log.clear();
    device.refuseOpen = true;
    Ticks(3);
    EXPECT_EQ(device.opens, 3);
    EXPECT_EQ(monitor.State(), PollState::Closed);
    EXPECT_EQ(view.log, (Log{"picture 0"})) << "only the idle picture";
    EXPECT_TRUE(window.log.empty()) << "the one-second timer keeps running";
    EXPECT_EQ(device.calls[PORT_IOCTL_GET_STATUS], 0);
}

TEST_F(StatusMonitorTest, OpenTickShowsIdleModeAndSpeedsUpTheTimer) {
    monitor.MonitorStart();
    outputs.TrayIconSet(4);
    view.log.clear();
    window.log.clear();
    monitor.MonitorTick();
    EXPECT_EQ(monitor.State(), PollState::Open);
    EXPECT_EQ(view.log, (Log{"picture 0", "control 1015 on", "control 1017 on", "simple off",
                             "part0 raised Idle mode", "simple text raised Idle mode",
                             "tip Modem Status (Idle mode)", "part1  "}));
    EXPECT_EQ(window.log, (Log{"kill 21845", "set 21845 100"}));
    EXPECT_EQ(device.calls[PORT_IOCTL_GET_STATUS], 0) << "the first poll is on the next tick";
    EXPECT_EQ(monitor.TickCounter(), 0);
}

TEST_F(StatusMonitorTest, MonitorOpenPassesOnALinkFailureAndChangesNothing) {
    monitor.MonitorStart();
    device.refuseOpen = true;
    EXPECT_EQ(monitor.MonitorOpen(), PORT_OPEN_FAILED);
    device.refuseOpen = false;
    ASSERT_EQ(monitor.MonitorOpen(), PORT_OK);
    view.log.clear();
    EXPECT_EQ(monitor.MonitorOpen(), PORT_ALREADY_OPEN);
    EXPECT_EQ(view.log, Log{}) << "the idle picture is already up";
}

TEST_F(StatusMonitorTest, EachPollIsOneStatusRequest) {
    StartOpen();
    Ticks(12);
    EXPECT_EQ(device.calls[PORT_IOCTL_GET_STATUS], 12);
    EXPECT_EQ(device.calls.count(PORT_IOCTL_GET_STATISTICS), 0u);
    EXPECT_EQ(monitor.TickCounter(), 12);
}

TEST_F(StatusMonitorTest, LampChangeAloneRelightsLampsAtOnceAndNeverDecodes) {
    StartOpen();
    TickUntilBeforeDecode();
    view.log.clear();
    PortStatus lamps = IdleRecord();
    lamps.SetLineSignals(0x0FC);
    Report(lamps);
    monitor.MonitorTick();  // a decode chance: the lamps alone must not decode
    EXPECT_EQ(view.log, (Log{"lamp 1000 lit", "lamp 1001 lit", "lamp 1013 lit", "lamp 1014 lit",
                             "lamp 1002 lit", "lamp 1006 lit"}));
    Ticks(12);
    EXPECT_EQ(view.log.size(), 6u) << "unchanged bits redraw nothing";
    EXPECT_EQ(monitor.ShownRecord(), lamps);
}

TEST_F(StatusMonitorTest, LampsUpdateRedrawsOnlyChangedBits) {
    const struct {
        std::uint32_t before, after;
        Log lamps;
    } cases[] = {
        {0x000, 0x004, {"lamp 1000 lit"}},
        {0x0FC, 0x0F8, {"lamp 1000 unlit"}},
        {0x100, 0x080, {"lamp 1006 lit", "lamp 1003 unlit"}},
        {0x1FC, 0x000, ALL_LAMPS_UNLIT},
        {0x000, 0x203, {}},  // bits without a lamp
        {0xFFFFFFFF, 0xFFFFFE03, ALL_LAMPS_UNLIT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        PortStatus before = IdleRecord();
        before.SetLineSignals(c.before);
        StartOpen(before);
        Ticks(1);
        PortStatus after = before;
        after.SetLineSignals(c.after);
        Report(after);
        view.log.clear();
        Ticks(1);
        EXPECT_EQ(view.log, c.lamps);
        EXPECT_EQ(monitor.ShownRecord().LineSignals(), c.after);
        link.PortClose();
        monitor.MonitorReset();
    }
}

TEST_F(StatusMonitorTest, RecordChangeDecodesOnTheNextSixthTickOnly) {
    StartOpen();
    TickUntilCounter(7);
    PortStatus dialing = IdleRecord();
    dialing.SetCallState(1);
    Report(dialing);
    view.log.clear();
    TickUntilCounter(11);
    EXPECT_EQ(Texts(), Log{});
    Ticks(1);
    EXPECT_EQ(Texts(), (Log{"part0 raised Idle mode", "simple text raised Idle mode",
                            "tip Modem Status (Idle mode)", "part1 Originating call...",
                            "picture 1"}));
    EXPECT_EQ(monitor.ShownRecord(), dialing);
    view.log.clear();
    Ticks(18);
    EXPECT_EQ(view.log, Log{}) << "an unchanged record is not decoded again";
}

TEST_F(StatusMonitorTest, ReservedWordsTakePartInTheChangeDetection) {
    StartOpen();
    PortStatus changed = IdleRecord();
    changed.SetReservedHigh(7);
    Report(changed);
    view.log.clear();
    Ticks(6);
    EXPECT_EQ(view.Entries("part1"), (Log{"part1 Modem is idle."}));
    EXPECT_EQ(monitor.ShownRecord(), changed);
}

TEST_F(StatusMonitorTest, DecodeChancesAroundTheWrapFallFourTicksApart) {
    StartOpen();
    TickUntilCounter(65532);  // a multiple of 6
    PortStatus dialing = IdleRecord();
    dialing.SetCallState(1);
    Report(dialing);
    view.log.clear();
    Ticks(3);
    EXPECT_EQ(monitor.TickCounter(), 65535);
    EXPECT_EQ(view.Entries("part1"), Log{});
    Ticks(1);
    EXPECT_EQ(monitor.TickCounter(), 0);
    EXPECT_EQ(view.Entries("part1"), (Log{"part1 Originating call..."}));

    PortStatus answering = IdleRecord();
    answering.SetCallState(2);
    Report(answering);
    Ticks(5);
    EXPECT_EQ(view.Entries("part1").size(), 1u);
    Ticks(1);
    EXPECT_EQ(monitor.TickCounter(), 6);
    EXPECT_EQ(view.Entries("part1").back(), "part1 Answering call...");
}

TEST_F(StatusMonitorTest, FailedPollClosesTheLinkAndReturnsToClosedOnTheSameTick) {
    const struct {
        const char* name;
        FakePortDevice::Answer answer;
    } failures[] = {
        {"refused", FakePortDevice::Refusal()},
        {"25 bytes", {true, std::vector<unsigned char>(26, 0), 25, 0}},
        {"27 bytes", {true, std::vector<unsigned char>(26, 0), 27, 0}},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        StartOpen(ConnectedRecord());
        Ticks(6);
        ASSERT_EQ(view.picture, 3);
        device.QueueAnswer(PORT_IOCTL_GET_STATUS, failure.answer);
        view.log.clear();
        window.log.clear();
        monitor.MonitorTick();
        EXPECT_EQ(monitor.State(), PollState::Closed);
        EXPECT_FALSE(link.IsOpen());
        EXPECT_TRUE(device.openHandles.empty());
        EXPECT_EQ(window.running.at(POLL_TIMER_ID), 1000u);
        Log expected = {"picture 0", "simple on", "part0 raised Idle", "simple text raised Idle",
                        "tip Modem Status (Idle)", "control 1015 off", "control 1017 off"};
        expected.insert(expected.end(), ALL_LAMPS_UNLIT.begin(), ALL_LAMPS_UNLIT.end());
        EXPECT_EQ(view.log, expected);
        EXPECT_EQ(monitor.ShownRecord().LineSignals(), 0u);
        EXPECT_EQ(monitor.ShownRecord().Mode(), 1);
    }
}

TEST_F(StatusMonitorTest, FailedPollDisablesOpenStatisticsFiguresOnThatTick) {
    const struct {
        bool open, enabled;
        std::vector<bool> enableCalls;
    } cases[] = {
        {true, true, {false}},
        {true, false, {}},
        {false, true, {}},
        {false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.open ? "open" : "closed") + (c.enabled ? ", enabled" : ""));
        StartOpen();
        statistics = FakeStatisticsHooks{};
        statistics.open = c.open;
        statistics.figuresEnabled = c.enabled;
        FailNextStatus();
        EXPECT_EQ(monitor.MonitorPoll(), PORT_REQUEST_FAILED);
        EXPECT_EQ(statistics.enableCalls, c.enableCalls);
        EXPECT_EQ(statistics.refreshes, 0);
        link.PortClose();
        monitor.MonitorReset();
    }
}

TEST_F(StatusMonitorTest, OpenStatisticsDialogIsRefreshedByEverySuccessfulPoll) {
    StartOpen();
    Ticks(2);
    EXPECT_EQ(statistics.refreshes, 0);
    statistics.open = true;
    Ticks(7);
    EXPECT_EQ(statistics.refreshes, 7);
    FailNextStatus();
    Ticks(1);
    EXPECT_EQ(statistics.refreshes, 7);
    Ticks(1);  // the reopen tick polls nothing
    EXPECT_EQ(statistics.refreshes, 7);
    Ticks(1);
    EXPECT_EQ(statistics.refreshes, 8);
}

TEST_F(StatusMonitorTest, PollOnAClosedLinkCountsTheTickAndReportsNotOpen) {
    monitor.MonitorStart();
    statistics.open = true;
    EXPECT_EQ(monitor.MonitorPoll(), PORT_NOT_OPEN);
    EXPECT_EQ(monitor.TickCounter(), 1);
    EXPECT_EQ(statistics.refreshes, 0);
    EXPECT_EQ(monitor.State(), PollState::Closed);
}

// The shown record keeps all but mode and line signals across a failure, so a
// driver that comes back with that record is not decoded, and the bar keeps the
// texts of the reopen.
TEST_F(StatusMonitorTest, ReopenWithTheShownRecordCausesNoDecode) {
    PortStatus record = ConnectedRecord();
    StartOpen(record);
    Ticks(6);
    ASSERT_EQ(monitor.ShownRecord(), record);
    FailNextStatus();
    Ticks(1);
    ASSERT_EQ(monitor.State(), PollState::Closed);

    record.SetMode(1);
    Report(record);
    view.log.clear();
    Ticks(1);
    ASSERT_EQ(monitor.State(), PollState::Open);
    Ticks(12);
    EXPECT_EQ(Texts(), (Log{"control 1015 on", "control 1017 on", "simple off",
                            "part0 raised Idle mode", "simple text raised Idle mode",
                            "tip Modem Status (Idle mode)", "part1  "}));
    EXPECT_EQ(view.parts[0].text, "Idle mode");
    EXPECT_EQ(view.parts[1].text, " ");
    EXPECT_EQ(view.lamps.at(1000), true) << "the lamps follow the driver again";

    // The same record in its own mode differs from the shown one and is decoded.
    record.SetMode(2);
    Report(record);
    Ticks(6);
    EXPECT_EQ(view.parts[1].text, "Connected LAPM V.42bis at 28800 bps");
}

TEST_F(StatusMonitorTest, SuspendStopsTheTimerWithoutTouchingTheLink) {
    StartOpen();
    window.log.clear();
    monitor.Timer().TimerStop();
    EXPECT_TRUE(window.running.empty());
    monitor.Timer().TimerStart();
    EXPECT_EQ(window.log, (Log{"kill 21845", "set 21845 100"}));
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(device.closes, 0);
}

}  // namespace
}  // namespace qor
