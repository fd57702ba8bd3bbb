// A second start while the program runs: it hands over to the running copy and ends.
#include "panel_program_fixture.h"
#include "panel_resources.h"
#include "panel_settings.h"
#include "window_probe.h"

namespace qor::test {
namespace {

class PanelSecondCopyTest : public PanelProgramTest {
protected:
    void SetUp() override {
        PanelProgramTest::SetUp();
        DriverPlays(SCENARIO_GONE);
        ASSERT_NE(StartPanel(), nullptr);
        ASSERT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    }

    bool Shown() const { return IsWindowVisible(main()) != FALSE; }
    // Hidden in the notification area by the close box.
    void HideByClosing() {
        PostMessageA(main(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !Shown(); }, kDeadline));
    }
    // The stored place that the second copy applies to the running window.
    void StorePlace(const char* x, const char* y) {
        ASSERT_TRUE(SettingWrite("PanelX", x));
        ASSERT_TRUE(SettingWrite("PanelY", y));
    }
};

TEST_F(PanelSecondCopyTest, BringsTheHiddenWindowBackAtTheStoredPlace) {
    HideByClosing();
    StorePlace("220", "140");
    EXPECT_EQ(RunSecondCopy(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    EXPECT_EQ(Eventually([&] { return WindowCorner(main()); }, "(220, 140)"), "(220, 140)");
    EXPECT_EQ(Eventually([&] { return GetForegroundWindow(); }, main()), main());
    EXPECT_EQ(FindPanelWindow(), main());  // no second window
    EXPECT_TRUE(panel_.Running());
}

TEST_F(PanelSecondCopyTest, LeavesTheWindowHiddenWhenStoredToStartInTheTray) {
    HideByClosing();
    StorePlace("230", "150");
    ASSERT_TRUE(SettingWrite("Startup", "1"));
    EXPECT_EQ(RunSecondCopy(), std::optional<DWORD>(0));
    // Still moved: the place is applied whatever the start mode.
    EXPECT_EQ(Eventually([&] { return WindowCorner(main()); }, "(230, 150)"), "(230, 150)");
    ASSERT_TRUE(PostedMessagesHandled());
    EXPECT_FALSE(Shown());
}

TEST_F(PanelSecondCopyTest, AppliesTheStoredTopMostFlag) {
    ASSERT_TRUE(SettingWrite("AlwaysOnTop", "1"));
    EXPECT_EQ(RunSecondCopy(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitFor([&] { return IsTopMost(main()); }, kDeadline));
}

TEST_F(PanelSecondCopyTest, LeavesAMinimizedWindowMinimized) {
    Command(ID_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main()) != FALSE; }, kDeadline));
    EXPECT_EQ(RunSecondCopy(), std::optional<DWORD>(0));
    ASSERT_TRUE(PostedMessagesHandled());
    EXPECT_TRUE(IsIconic(main()));
}

}  // namespace
}  // namespace qor::test
