// What the main window shows while the driver is absent, idle and in a call.
#include "panel_lamps.h"
#include "panel_program_fixture.h"
#include "panel_resources.h"
#include "panel_settings.h"
#include "remote_status_bar.h"

namespace qor::test {
namespace {

class PanelStatusTest : public PanelProgramTest {
protected:
    void SetUp() override {
        PanelProgramTest::SetUp();
        // Clear of the corner where Wine puts its stand-alone notification area,
        // so that nothing covers the lamps.
        ASSERT_TRUE(SettingWrite("PanelX", "160"));
        ASSERT_TRUE(SettingWrite("PanelY", "120"));
    }

    std::string LampsEventually(const std::string& lit) const {
        return Eventually([&] { return LitLamps(main()); }, lit);
    }
    bool LabelsEnabled() const {
        return IsWindowEnabled(GetDlgItem(main(), IDC_LABELS_DTR_RTS)) &&
               IsWindowEnabled(GetDlgItem(main(), IDC_LABELS_OTHERS));
    }
    bool LabelsDisabled() const {
        return !IsWindowEnabled(GetDlgItem(main(), IDC_LABELS_DTR_RTS)) &&
               !IsWindowEnabled(GetDlgItem(main(), IDC_LABELS_OTHERS));
    }
};

TEST_F(PanelStatusTest, FollowsTheDriverFromAbsentToIdleToACall) {
    DriverPlays(SCENARIO_GONE);
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main()) != FALSE; }, kDeadline));

    // No driver: the simple bar, grey labels, every lamp dark.
    EXPECT_EQ(StatusEventually("[Idle]"), "[Idle]");
    EXPECT_TRUE(LabelsDisabled());
    EXPECT_EQ(LampsEventually(""), "");
    EXPECT_TRUE(LampBitmapsConsistent(main()));

    // The driver comes: two parts, the idle modem, its four line signals. Its
    // record matches the one last shown but for the lamps, so no decode replaces
    // the texts of the opening.
    DriverPlays(SCENARIO_CALL);
    EXPECT_EQ(StatusEventually("Idle mode| "), "Idle mode| ");
    EXPECT_TRUE(WaitFor([&] { return LabelsEnabled(); }, kDeadline));
    EXPECT_EQ(LampsEventually("DTR RTS DSR CTS"), "DTR RTS DSR CTS");
    EXPECT_TRUE(LampBitmapsConsistent(main()));

    // Three seconds later the call: modulation, protocols and speed; carrier and
    // off-hook lamps lit.
    const std::string connected = "Data - V.34|Connected LAPM V.42bis at 28800 bps";
    EXPECT_EQ(StatusEventually(connected), connected);
    EXPECT_EQ(LampsEventually("DTR RTS DSR CTS CD OH"), "DTR RTS DSR CTS CD OH");
    EXPECT_TRUE(LampBitmapsConsistent(main()));

    // The driver goes away: back to the simple bar, dark lamps, grey labels.
    DriverPlays(SCENARIO_GONE);
    EXPECT_EQ(StatusEventually("[Idle]"), "[Idle]");
    EXPECT_EQ(LampsEventually(""), "");
    EXPECT_TRUE(WaitFor([&] { return LabelsDisabled(); }, kDeadline));
}

TEST_F(PanelStatusTest, TwoPartsSplitTheWidthThirtySeventyWithTheFirstRaised) {
    DriverPlays(SCENARIO_CALL);
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_EQ(StatusEventually("Idle mode| "), "Idle mode| ");

    const auto reading = ReadStatusBar(statusBar());
    ASSERT_TRUE(reading.has_value());
    RECT client{};
    ASSERT_TRUE(GetClientRect(main(), &client));
    const int width = client.right - client.left;
    const std::vector<int> edges{width * 30 / 100, width * 30 / 100 + width * 70 / 100};
    EXPECT_EQ(reading->edges, edges);
    ASSERT_EQ(reading->parts.size(), 2u);
    EXPECT_TRUE(reading->parts[0].raised);
    EXPECT_FALSE(reading->parts[1].raised);
}

}  // namespace
}  // namespace qor::test
