#include "statistics_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_panel_view.h"
#include "fake_port_device.h"
#include "fake_statistics_view.h"
#include "fake_window_timer.h"
#include "panel_fixture.h"
#include "panel_outputs.h"
#include "port_link.h"
#include "status_monitor.h"

namespace qor::test {
namespace {

// The dialog wired as in the program: the real link and monitor over an in-process
// driver, the dialog as the monitor's hooks.
class StatisticsDialogTest : public PanelFixture {
protected:
    StatisticsDialogTest() {
        device.SetAnswer(PORT_IOCTL_GET_STATUS, FakePortDevice::Complete(PortStatus{}));
        device.SetAnswer(PORT_IOCTL_GET_STATISTICS, FakePortDevice::Complete(driverRecord));
        device.SetAnswer(PORT_IOCTL_SET_RTS, FakePortDevice::Complete(RtsRequest{}));
        dialog.AttachMonitor(monitor);
        monitor.MonitorStart();
    }

    // The monitor's first tick opens the link; it polls from the next one.
    void LinkOpen() {
        monitor.MonitorTick();
        ASSERT_EQ(monitor.State(), PollState::Open);
    }
    void Open() { dialog.StatisticsOpen(windows.Add(dialogWindow), view); }
    void DriverReports(const PortStatistics& record) {
        device.SetAnswer(PORT_IOCTL_GET_STATISTICS, FakePortDevice::Complete(record));
    }
    int StatisticsReads() { return device.calls[PORT_IOCTL_GET_STATISTICS]; }
    bool AllFiguresEnabled(bool on) {
        for (int id : FIGURE_CONTROLS) {
            auto found = view.enabled_.find(id);
            if (found == view.enabled_.end() || found->second != on) return false;
        }
        return true;
    }

    FakePortDevice device;
    FakePanelView panelView;
    PanelOutputs outputs{panelView};
    PortLink link{device, outputs};
    FakeWindowTimer timer;
    StatisticsDialog dialog{link, placement};
    StatusMonitor monitor{link, outputs, timer, dialog};
    FakeStatisticsView view;
    FakeWindow dialogWindow;
    PortStatistics driverRecord;
};

TEST_F(StatisticsDialogTest, OpeningWithoutTheDriverShowsItInactive) {
    Store("StatisticsX", "300");
    Store("StatisticsY", "9000");
    Open();
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.Dialog(), &dialogWindow);
    EXPECT_EQ(dialogWindow.rect.left, 300);
    EXPECT_EQ(dialogWindow.rect.top, 0);
    EXPECT_EQ(view.caption, "Qor Statistics (Modem Inactive)");
    EXPECT_FALSE(dialog.FiguresEnabled());
    EXPECT_TRUE(AllFiguresEnabled(false));
    EXPECT_EQ(view.enabled_.size(), FIGURE_CONTROLS.size());
    // The template's "0 of 0" and "0" stay.
    EXPECT_EQ(view.textsSet, 0);
    EXPECT_EQ(view.sliderMin, 0);
    EXPECT_EQ(view.sliderMax, 9);
    EXPECT_EQ(dialog.RequestedRts(), 30);
    EXPECT_EQ(StatisticsReads(), 0);
}

TEST_F(StatisticsDialogTest, FirstSuccessfulReadShowsEvenAllZeros) {
    LinkOpen();
    Open();
    EXPECT_EQ(view.caption, "Qor Statistics ");
    EXPECT_TRUE(AllFiguresEnabled(true));
    EXPECT_EQ(view.texts[IDC_DTE_TX_TEXT], "   0 of    0      0%");
    EXPECT_EQ(view.texts[IDC_QOUT_TEXT], "   0 of    0      0%");
    EXPECT_EQ(view.bars[IDC_QOUT_BAR], std::make_pair(0u, 0u));
    EXPECT_EQ(view.texts[IDC_RTS_FREQUENCY], "0 ms");
    EXPECT_EQ(view.texts[IDC_TASKER_LOOPS], "0 ");
    EXPECT_EQ(view.texts[IDC_RTS_REQUESTED], "0");
    EXPECT_EQ(view.sliderPosition, 0);
}

TEST_F(StatisticsDialogTest, EachRowAndFigureShowsItsOwnWords) {
    std::uint16_t value = 1;
    for (const BufferRow& row : BUFFER_ROWS) {
        driverRecord.Set(row.level, value);
        driverRecord.Set(row.size, static_cast<std::uint16_t>(value * 100));
        ++value;
    }
    driverRecord.Set(StatisticsWord::RtsFrequency, 25);
    driverRecord.Set(StatisticsWord::RtsAsyncTime, 26);
    driverRecord.Set(StatisticsWord::TaskerRunTime, 27);
    driverRecord.Set(StatisticsWord::TaskerLoops, 28);
    DriverReports(driverRecord);
    LinkOpen();
    Open();
    const std::pair<int, const char*> texts[] = {
        {IDC_DTE_TX_TEXT, "   1 of  100      1%"}, {IDC_DTE_RX_TEXT, "   2 of  200      1%"},
        {IDC_DCE_TX_TEXT, "   3 of  300      1%"}, {IDC_DCE_RX_TEXT, "   4 of  400      1%"},
        {IDC_QIN_TEXT, "   5 of  500      1%"},    {IDC_QOUT_TEXT, "   6 of  600      1%"},
        {IDC_RTS_FREQUENCY, "25 ms"},               {IDC_RTS_ASYNC, "26 ms"},
        {IDC_TASKER_RUNTIME, "27 ms"},              {IDC_TASKER_LOOPS, "28 "},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(view.texts[id], text) << id;
    const std::pair<int, unsigned> bars[] = {{IDC_DTE_TX_BAR, 1}, {IDC_DTE_RX_BAR, 2},
                                             {IDC_DCE_TX_BAR, 3}, {IDC_DCE_RX_BAR, 4},
                                             {IDC_QIN_BAR, 5},    {IDC_QOUT_BAR, 6}};
    for (const auto& [id, level] : bars) {
        EXPECT_EQ(view.bars[id], std::make_pair(level * 100, level)) << id;
    }
}

TEST_F(StatisticsDialogTest, ReadsEveryPollUntilTheSliderIsSetThenOnEvenPollsOnly) {
    LinkOpen();
    device.QueueAnswer(PORT_IOCTL_GET_STATISTICS, FakePortDevice::Refusal());
    device.QueueAnswer(PORT_IOCTL_GET_STATISTICS, FakePortDevice::Refusal());
    Open();  // poll 1: refused
    EXPECT_EQ(StatisticsReads(), 1);
    monitor.MonitorTick();  // poll 2: refused
    EXPECT_EQ(view.textsSet, 0);
    // A failing statistics read leaves the figures enabled.
    EXPECT_TRUE(dialog.FiguresEnabled());
    monitor.MonitorTick();  // poll 3: odd, but the slider is not set yet
    EXPECT_EQ(StatisticsReads(), 3);
    EXPECT_EQ(view.texts[IDC_RTS_REQUESTED], "0");
    for (int poll = 4; poll <= 9; ++poll) monitor.MonitorTick();
    EXPECT_EQ(monitor.TickCounter(), 9);
    EXPECT_EQ(StatisticsReads(), 6);  // polls 4, 6 and 8
}

TEST_F(StatisticsDialogTest, DisplayChangesOnlyWhenTheRecordDoes) {
    LinkOpen();
    Open();  // poll 1
    const int shownOnce = view.textsSet;
    monitor.MonitorTick();  // poll 2: read, unchanged
    EXPECT_EQ(StatisticsReads(), 2);
    EXPECT_EQ(view.textsSet, shownOnce);
    // The reserved word alone counts as a change.
    driverRecord.Set(StatisticsWord::Reserved, 1);
    DriverReports(driverRecord);
    monitor.MonitorTick();  // poll 3: odd, not read
    EXPECT_EQ(view.textsSet, shownOnce);
    monitor.MonitorTick();  // poll 4
    EXPECT_EQ(view.textsSet, shownOnce + 10);
}

TEST_F(StatisticsDialogTest, FailedStatusReadDisablesTheFiguresOnThatTick) {
    driverRecord.Set(StatisticsWord::DteTransmitLevel, 12);
    driverRecord.Set(StatisticsWord::DteTransmitSize, 1024);
    DriverReports(driverRecord);
    LinkOpen();
    Open();
    device.SetAnswer(PORT_IOCTL_GET_STATUS, FakePortDevice::Refusal());
    monitor.MonitorTick();
    EXPECT_FALSE(dialog.FiguresEnabled());
    EXPECT_EQ(view.caption, "Qor Statistics (Modem Inactive)");
    EXPECT_TRUE(AllFiguresEnabled(false));
    EXPECT_EQ(view.texts[IDC_DTE_TX_TEXT], "  12 of 1024      1%");
    // Back again: the next successful status read enables them.
    device.SetAnswer(PORT_IOCTL_GET_STATUS, FakePortDevice::Complete(PortStatus{}));
    monitor.MonitorTick();  // reopens
    monitor.MonitorTick();
    EXPECT_EQ(view.caption, "Qor Statistics ");
    EXPECT_TRUE(AllFiguresEnabled(true));
}

struct SliderInitCase {
    std::uint16_t driverFrequency;
    int position;
    const char* shown;
};

class SliderInitTest : public StatisticsDialogTest,
                       public ::testing::WithParamInterface<SliderInitCase> {};

TEST_P(SliderInitTest, DriverValueSetsTheSliderButNotTheRequest) {
    driverRecord.Set(StatisticsWord::RtsFrequency, GetParam().driverFrequency);
    DriverReports(driverRecord);
    LinkOpen();
    Open();
    EXPECT_EQ(view.sliderPosition, GetParam().position);
    EXPECT_EQ(view.texts[IDC_RTS_REQUESTED], GetParam().shown);
    dialog.RtsValueSend();
    ASSERT_EQ(device.rtsRequests.size(), 1u);
    EXPECT_EQ(device.rtsRequests[0].Frequency(), 30);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, SliderInitTest,
                         ::testing::Values(SliderInitCase{3, 0, "3"}, SliderInitCase{0, 0, "0"},
                                           SliderInitCase{5, 0, "5"}, SliderInitCase{32, 5, "32"},
                                           SliderInitCase{50, 9, "50"},
                                           SliderInitCase{60, 9, "60"},
                                           SliderInitCase{65535, 9, "65535"}));

TEST_F(StatisticsDialogTest, SliderPositionChoosesTheRequestSent) {
    LinkOpen();
    Open();
    const std::pair<int, const char*> positions[] = {{0, "5"}, {9, "50"}, {4, "25"}};
    for (const auto& [position, shown] : positions) {
        view.sliderPosition = position;
        dialog.RtsSliderRead();
        EXPECT_EQ(view.texts[IDC_RTS_REQUESTED], shown);
        dialog.RtsValueSend();
    }
    ASSERT_EQ(device.rtsRequests.size(), 3u);
    EXPECT_EQ(device.rtsRequests[0].Frequency(), 5);
    EXPECT_EQ(device.rtsRequests[1].Frequency(), 50);
    EXPECT_EQ(device.rtsRequests[2].Frequency(), 25);
}

TEST_F(StatisticsDialogTest, RtsRequestCarriesTheValueAndTheConstantOnly) {
    LinkOpen();
    Open();
    dialog.RtsValueSend();
    const std::vector<unsigned char> expected{0, 0, 0, 0, 30, 0, 0, 0, 4, 0};
    EXPECT_EQ(device.lastInput[PORT_IOCTL_SET_RTS], expected);
    // A refused request is ignored.
    device.SetAnswer(PORT_IOCTL_SET_RTS, FakePortDevice::Refusal());
    dialog.RtsValueSend();
    EXPECT_TRUE(dialog.FiguresEnabled());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StatisticsDialogTest, ClosingSavesThePositionAndEmptiesTheSlot) {
    Open();
    dialog.StatisticsClose();
    EXPECT_EQ(Stored("StatisticsX"), "0");
    EXPECT_EQ(Stored("StatisticsY"), "0");
    Open();
    dialogWindow.rect = ScreenRect{40, 50, 400, 350};  // moved by the user
    dialog.StatisticsClose();
    EXPECT_EQ(Stored("StatisticsX"), "40");
    EXPECT_EQ(Stored("StatisticsY"), "50");
    EXPECT_EQ(view.closes, 2);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(dialog.Dialog(), nullptr);
    // Only the main window's save stores the settings.
    EXPECT_EQ(Stored("Startup"), "(absent)");
    dialog.StatisticsClose();
    EXPECT_EQ(view.closes, 2);
}

TEST_F(StatisticsDialogTest, ReopeningStartsAfresh) {
    LinkOpen();
    Open();
    view.sliderPosition = 0;
    dialog.RtsSliderRead();
    dialog.StatisticsClose();
    FakeStatisticsView second;
    dialog.StatisticsOpen(windows.Add(dialogWindow), second);
    EXPECT_EQ(dialog.RequestedRts(), 30);
    // The same record as before is shown again, and the slider set again.
    EXPECT_EQ(second.texts[IDC_DTE_TX_TEXT], "   0 of    0      0%");
    EXPECT_EQ(second.texts[IDC_RTS_REQUESTED], "0");
    EXPECT_EQ(view.closes, 1);
}

}  // namespace
}  // namespace qor::test
