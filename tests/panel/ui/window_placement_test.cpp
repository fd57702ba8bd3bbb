#include "window_placement.h"

#include <gtest/gtest.h>

#include "panel_fixture.h"
#include "panel_resources.h"

namespace qor::test {
namespace {

using WindowPlacementTest = PanelFixture;

struct StoredCoordinate {
    const char* text;  // null: no value stored
    long expected;
};

class StoredCoordinateTest : public PanelFixture,
                             public ::testing::WithParamInterface<StoredCoordinate> {};

TEST_P(StoredCoordinateTest, EitherAxisOutsideZeroTo8000ReadsAsZero) {
    if (GetParam().text != nullptr) {
        Store("StatisticsX", GetParam().text);
        Store("StatisticsY", GetParam().text);
    }
    placement.WindowGetPosition(windows.Add(otherWindow), "Statistics");
    ASSERT_EQ(otherWindow.moves.size(), 1u);
    EXPECT_EQ(otherWindow.moves[0].first, GetParam().expected);
    EXPECT_EQ(otherWindow.moves[0].second, GetParam().expected);
    // The size is kept.
    EXPECT_EQ(otherWindow.rect.right - otherWindow.rect.left, 360);
}

INSTANTIATE_TEST_SUITE_P(Bounds, StoredCoordinateTest,
                         ::testing::Values(StoredCoordinate{nullptr, 0}, StoredCoordinate{"0", 0},
                                           StoredCoordinate{"123", 123},
                                           StoredCoordinate{"8000", 8000},
                                           StoredCoordinate{"8001", 0},
                                           StoredCoordinate{"-20", 0},
                                           StoredCoordinate{"-1", 0},
                                           StoredCoordinate{"99999999999", 0},
                                           StoredCoordinate{"12abc", 12},
                                           StoredCoordinate{"abc", 0}));

TEST_F(WindowPlacementTest, NothingStoredOpensAtTheCornerAsAWindowNotOnTop) {
    state.startMode = 1;
    state.topMost = 1;
    placement.WindowGetPosition(state.mainWindow, "Panel");
    EXPECT_EQ(mainWindow.rect.left, 0);
    EXPECT_EQ(mainWindow.rect.top, 0);
    EXPECT_EQ(state.startMode, 0);
    EXPECT_EQ(state.topMost, 0);
    EXPECT_TRUE(mainWindow.menuChecks[ID_START_WINDOW]);
    EXPECT_FALSE(mainWindow.menuChecks[ID_START_TRAY]);
    EXPECT_FALSE(mainWindow.menuChecks[ID_TOPMOST]);
    EXPECT_EQ(mainWindow.topMost, false);
    EXPECT_TRUE(boxes.shown.empty());
}

struct StoredSettings {
    const char* startup;
    const char* alwaysOnTop;
    int startMode;
    bool windowChecked;  // ID_START_WINDOW; ID_START_TRAY carries the other mark
    int topMost;
    bool onTop;
};

class StoredSettingsTest : public PanelFixture,
                           public ::testing::WithParamInterface<StoredSettings> {};

TEST_P(StoredSettingsTest, MainWindowTakesThemAsStored) {
    const StoredSettings& s = GetParam();
    Store("Startup", s.startup);
    Store("AlwaysOnTop", s.alwaysOnTop);
    placement.WindowGetPosition(state.mainWindow, "Panel");
    EXPECT_EQ(state.startMode, s.startMode);
    EXPECT_EQ(mainWindow.menuChecks[ID_START_WINDOW], s.windowChecked);
    EXPECT_EQ(mainWindow.menuChecks[ID_START_TRAY], !s.windowChecked);
    EXPECT_EQ(state.topMost, s.topMost);
    EXPECT_EQ(mainWindow.menuChecks[ID_TOPMOST], s.onTop);
    EXPECT_EQ(mainWindow.topMost, s.onTop);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredSettingsTest,
                         ::testing::Values(StoredSettings{"0", "0", 0, true, 0, false},
                                           StoredSettings{"1", "1", 1, false, 1, true},
                                           // Kept as stored: neither mode, still on top.
                                           StoredSettings{"2", "5", 2, false, 5, true},
                                           StoredSettings{"x", "-1", 0, true, -1, true}));

TEST_F(WindowPlacementTest, OtherWindowsLeaveTheSettingsAlone) {
    Store("Startup", "1");
    Store("AlwaysOnTop", "1");
    placement.WindowGetPosition(windows.Add(otherWindow), "Statistics");
    EXPECT_EQ(state.startMode, 0);
    EXPECT_EQ(state.topMost, 0);
    EXPECT_TRUE(mainWindow.menuChecks.empty());
    EXPECT_FALSE(mainWindow.topMost.has_value());
}

struct BadArguments {
    bool nullWindow;
    const char* name;
    const char* getText;
};

class BadArgumentsTest : public PanelFixture, public ::testing::WithParamInterface<BadArguments> {
protected:
    WindowHandle Window() { return GetParam().nullWindow ? nullptr : state.mainWindow; }
};

TEST_P(BadArgumentsTest, GetShowsItsBoxAndMovesNothing) {
    Store("PanelX", "30");
    Store("Startup", "1");
    placement.WindowGetPosition(Window(), GetParam().name);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "WindowGetPosition");
    EXPECT_EQ(boxes.shown[0].text, GetParam().getText);
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Information);
    EXPECT_TRUE(mainWindow.moves.empty());
    EXPECT_EQ(state.startMode, 0);
}

TEST_P(BadArgumentsTest, SaveShowsItsBoxAndStoresNothing) {
    placement.WindowSavePosition(Window(), GetParam().name);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "WindowSavePosition");
    EXPECT_EQ(boxes.shown[0].text, "Bad parameters!");
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Information);
    EXPECT_EQ(Stored("PanelX"), "(absent)");
    EXPECT_EQ(Stored("Startup"), "(absent)");
    EXPECT_EQ(Stored("AlwaysOnTop"), "(absent)");
}

// The window is checked first, then a null name, then an empty one.
INSTANTIATE_TEST_SUITE_P(Order, BadArgumentsTest,
                         ::testing::Values(BadArguments{true, "Panel", "Bad parameter!  hDlg=0"},
                                           BadArguments{true, nullptr, "Bad parameter!  hDlg=0"},
                                           BadArguments{false, nullptr,
                                                        "Bad parameter!  szWindowName=0"},
                                           BadArguments{false, "",
                                                        "Bad parameter!  szWindowName NULL"}));

TEST_F(WindowPlacementTest, SavingTheMainWindowStoresPositionStartModeAndTopMost) {
    mainWindow.rect = ScreenRect{-5, 7, 300, 100};
    state.startMode = 1;
    state.topMost = 5;
    placement.WindowSavePosition(state.mainWindow, "Panel");
    EXPECT_EQ(Stored("PanelX"), "-5");
    EXPECT_EQ(Stored("PanelY"), "7");
    EXPECT_EQ(Stored("Startup"), "1");
    EXPECT_EQ(Stored("AlwaysOnTop"), "5");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowPlacementTest, SavingAnotherWindowStoresOnlyItsPosition) {
    placement.WindowSavePosition(windows.Add(otherWindow), "Statistics");
    EXPECT_EQ(Stored("StatisticsX"), "10");
    EXPECT_EQ(Stored("StatisticsY"), "20");
    EXPECT_EQ(Stored("Startup"), "(absent)");
    EXPECT_EQ(Stored("AlwaysOnTop"), "(absent)");
}

TEST_F(WindowPlacementTest, MinimizedOrUnreadableWindowKeepsItsStoredPosition) {
    Store("PanelX", "11");
    Store("PanelY", "22");
    for (bool minimized : {true, false}) {
        mainWindow.minimized = minimized;
        mainWindow.rectReadable = minimized;
        state.topMost = 1;
        placement.WindowSavePosition(state.mainWindow, "Panel");
        EXPECT_EQ(Stored("PanelX"), "11");
        EXPECT_EQ(Stored("PanelY"), "22");
        EXPECT_EQ(Stored("Startup"), "0");
        EXPECT_EQ(Stored("AlwaysOnTop"), "1");
    }
}

TEST_F(WindowPlacementTest, TrayOnlyRunKeepsTheStoredStartMode) {
    Store("Startup", "0");
    state.trayOnlySwitch = 1;
    state.startMode = 1;
    placement.WindowSavePosition(state.mainWindow, "Panel");
    EXPECT_EQ(Stored("Startup"), "0");
    EXPECT_EQ(Stored("PanelX"), "100");
    EXPECT_EQ(Stored("AlwaysOnTop"), "0");
}

TEST_F(WindowPlacementTest, SavedPositionIsWhereTheNextRunOpens) {
    placement.WindowSavePosition(state.mainWindow, "Panel");
    mainWindow.rect = ScreenRect{0, 0, 320, 100};
    placement.WindowGetPosition(state.mainWindow, "Panel");
    EXPECT_EQ(mainWindow.rect.left, 100);
    EXPECT_EQ(mainWindow.rect.top, 50);
}

TEST_F(WindowPlacementTest, WithoutTheKeyReadsGiveDefaultsAndWritesFailSilently) {
    ASSERT_EQ(registry.DeleteKey(FRONT_PANEL_KEY), REG_RESULT_OK);
    placement.WindowSavePosition(state.mainWindow, "Panel");
    placement.WindowGetPosition(state.mainWindow, "Panel");
    EXPECT_EQ(mainWindow.rect.left, 0);
    EXPECT_EQ(state.startMode, 0);
    EXPECT_TRUE(boxes.shown.empty());
    Registry::Key key = nullptr;
    EXPECT_NE(registry.OpenKey(FRONT_PANEL_KEY, RegAccess::Read, &key), REG_RESULT_OK);
}

}  // namespace
}  // namespace qor::test
