#include "panel_start.h"

#include <gtest/gtest.h>

#include "panel_fixture.h"
#include "panel_resources.h"

namespace qor::test {
namespace {

struct SwitchCase {
    const char* commandLine;
    bool trayOnly;
};

class TrayOnlySwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(TrayOnlySwitchTest, AnySlashIInTheCommandLineCounts) {
    const SwitchCase& c = GetParam();
    EXPECT_EQ(HasTrayOnlySwitch(c.commandLine), c.trayOnly);
    EXPECT_EQ(PanelMenuId(c.commandLine), c.trayOnly ? IDM_PANEL_TRAY_ONLY : IDM_PANEL);

    PanelState state;
    state.startMode = 2;
    TrayOnlySwitchApply(state, c.commandLine);
    EXPECT_EQ(state.trayOnlySwitch, c.trayOnly ? 1 : 0);
    EXPECT_EQ(state.startMode, c.trayOnly ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, TrayOnlySwitchTest,
    ::testing::Values(SwitchCase{nullptr, false}, SwitchCase{"", false},
                      SwitchCase{"/i", true}, SwitchCase{"/I", true},
                      SwitchCase{"-x /I -y", true}, SwitchCase{"/install", true},
                      SwitchCase{"C:\\tools/info", true}, SwitchCase{"-i", false},
                      SwitchCase{"/ i", false}, SwitchCase{"\\i", false},
                      SwitchCase{"/x", false}, SwitchCase{"i/", false}));

TEST(PanelStart, OnlyStartModeZeroShowsTheWindow) {
    for (int mode : {0, 1, 2, -1}) {
        PanelState state;
        state.startMode = mode;
        EXPECT_EQ(PanelShownAtStart(state), mode == 0) << mode;
    }
}

TEST(PanelStart, ShowRequestRestoresOnlyANormalWindow) {
    EXPECT_TRUE(PanelShowRestores(true, 1));
    EXPECT_FALSE(PanelShowRestores(false, 1));
    for (unsigned minimizedOrOther : {0u, 2u, 3u, 6u, 7u}) {
        EXPECT_FALSE(PanelShowRestores(true, minimizedOrOther)) << minimizedOrOther;
    }
}

struct HandOverCase {
    const char* storedStartup;  // null: none stored
    bool postShow;
};

class HandOverTest : public PanelFixture, public ::testing::WithParamInterface<HandOverCase> {};

TEST_P(HandOverTest, RunningWindowTakesTheStoredSettingsAndShowsUnlessTrayOnly) {
    if (GetParam().storedStartup != nullptr) Store("Startup", GetParam().storedStartup);
    Store("PanelX", "40");
    Store("PanelY", "60");
    Store("AlwaysOnTop", "1");
    // A second copy: its own main window is not created, the running copy's is found.
    state.mainWindow = nullptr;
    const WindowHandle running = windows.Add(otherWindow);
    EXPECT_EQ(SecondCopyHandOver(placement, state, running), GetParam().postShow);
    EXPECT_EQ(state.mainWindow, running);
    EXPECT_EQ(otherWindow.rect.left, 40);
    EXPECT_EQ(otherWindow.rect.top, 60);
    EXPECT_EQ(otherWindow.topMost, true);
    EXPECT_TRUE(otherWindow.menuChecks[ID_TOPMOST]);
    EXPECT_TRUE(boxes.shown.empty());
}

// A stored 2 is neither mode: the running copy is still asked to show itself.
INSTANTIATE_TEST_SUITE_P(StoredStartModes, HandOverTest,
                         ::testing::Values(HandOverCase{nullptr, true}, HandOverCase{"0", true},
                                           HandOverCase{"1", false}, HandOverCase{"2", true}));

}  // namespace
}  // namespace qor::test
