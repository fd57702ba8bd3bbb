// The main window's place, show state, menu marks and stored settings.
#include <optional>

#include "panel_program_fixture.h"
#include "panel_resources.h"
#include "panel_settings.h"
#include "remote_menu.h"
#include "window_probe.h"

namespace qor::test {
namespace {

class PanelWindowTest : public PanelProgramTest {
protected:
    void SetUp() override {
        PanelProgramTest::SetUp();
        DriverPlays(SCENARIO_GONE);
    }

    std::string CornerEventually(const std::string& corner) const {
        return Eventually([&] { return WindowCorner(main()); }, corner);
    }
    bool Shown() const { return IsWindowVisible(main()) != FALSE; }
};

struct StoredPlace {
    std::optional<std::string> x, y;
    const char* corner;
};

class PanelPlacementTest : public PanelWindowTest,
                           public ::testing::WithParamInterface<StoredPlace> {};

TEST_P(PanelPlacementTest, OpensAtTheStoredPlaceWithinItsLimits) {
    const StoredPlace& place = GetParam();
    if (place.x) {
        ASSERT_TRUE(SettingWrite("PanelX", *place.x));
    }
    if (place.y) {
        ASSERT_TRUE(SettingWrite("PanelY", *place.y));
    }
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    EXPECT_EQ(CornerEventually(place.corner), place.corner);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PanelPlacementTest,
    ::testing::Values(StoredPlace{std::nullopt, std::nullopt, "(0, 0)"},
                      StoredPlace{"150", "100", "(150, 100)"},
                      StoredPlace{"9000", "-20", "(0, 0)"},
                      StoredPlace{"8000", "8001", "(8000, 0)"}));

TEST_F(PanelWindowTest, NothingStoredMeansAWindowNotTopMost) {
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    RemoteMenu menu(main());
    EXPECT_EQ(menu.Item(ID_TOPMOST), MenuItem::Unchecked);
    EXPECT_EQ(menu.Item(ID_START_WINDOW), MenuItem::Checked);
    EXPECT_EQ(menu.Item(ID_START_TRAY), MenuItem::Unchecked);
    EXPECT_FALSE(IsTopMost(main()));
}

TEST_F(PanelWindowTest, StoredTopMostAndTrayStartAreApplied) {
    ASSERT_TRUE(SettingWrite("AlwaysOnTop", "1"));
    ASSERT_TRUE(SettingWrite("Startup", "1"));
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsTopMost(main()); }, kDeadline));
    RemoteMenu menu(main());
    EXPECT_EQ(menu.Item(ID_TOPMOST), MenuItem::Checked);
    EXPECT_EQ(menu.Item(ID_START_WINDOW), MenuItem::Unchecked);
    EXPECT_EQ(menu.Item(ID_START_TRAY), MenuItem::Checked);
    EXPECT_FALSE(Shown());
}

TEST_F(PanelWindowTest, ExitStoresPlaceStartModeAndTopMost) {
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    Command(ID_TOPMOST);
    Command(ID_START_TRAY);
    ASSERT_TRUE(WaitFor([&] { return IsTopMost(main()); }, kDeadline));
    RemoteMenu menu(main());
    EXPECT_EQ(Eventually([&] { return menu.Item(ID_START_TRAY); }, std::optional(MenuItem::Checked)),
              MenuItem::Checked);
    EXPECT_EQ(menu.Item(ID_START_WINDOW), MenuItem::Unchecked);
    EXPECT_EQ(menu.Item(ID_TOPMOST), MenuItem::Checked);
    ASSERT_TRUE(SetWindowPos(main(), nullptr, 210, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER));

    EXPECT_EQ(ExitPanel(), std::optional<DWORD>(0));
    EXPECT_EQ(SettingRead("PanelX"), "210");
    EXPECT_EQ(SettingRead("PanelY"), "130");
    EXPECT_EQ(SettingRead("Startup"), "1");
    EXPECT_EQ(SettingRead("AlwaysOnTop"), "1");
}

TEST_F(PanelWindowTest, ExitWhileMinimizedKeepsTheStoredPlace) {
    ASSERT_TRUE(SettingWrite("PanelX", "150"));
    ASSERT_TRUE(SettingWrite("PanelY", "100"));
    ASSERT_NE(StartPanel(), nullptr);
    Command(ID_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main()) != FALSE; }, kDeadline));
    EXPECT_EQ(ExitPanel(), std::optional<DWORD>(0));
    EXPECT_EQ(SettingRead("PanelX"), "150");
    EXPECT_EQ(SettingRead("PanelY"), "100");
    EXPECT_EQ(SettingRead("Startup"), "0");
    EXPECT_EQ(SettingRead("AlwaysOnTop"), "0");
}

TEST_F(PanelWindowTest, CloseHidesAndEscMinimizesWithoutEnding) {
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    ASSERT_TRUE(SetWindowPos(main(), nullptr, 170, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER));

    PostMessageA(main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !Shown(); }, kDeadline));
    EXPECT_TRUE(panel_.Running());
    EXPECT_EQ(SettingRead("PanelX"), "170");  // closing stores the place
    EXPECT_EQ(SettingRead("PanelY"), "90");

    Command(ID_OPEN);
    EXPECT_TRUE(WaitFor([&] { return Shown(); }, kDeadline));
    Command(ID_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main()) != FALSE; }, kDeadline));
    EXPECT_TRUE(panel_.Running());
    Command(ID_OPEN);
    EXPECT_TRUE(WaitFor([&] { return Shown() && !IsIconic(main()); }, kDeadline));
}

class PanelTraySwitchTest : public PanelWindowTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(PanelTraySwitchTest, StartsHiddenWithTheShortMenuAndKeepsTheStoredStartMode) {
    ASSERT_TRUE(SettingWrite("Startup", "0"));
    ASSERT_NE(StartPanel(GetParam()), nullptr);
    ASSERT_TRUE(PostedMessagesHandled());
    EXPECT_FALSE(Shown());
    RemoteMenu menu(main());
    EXPECT_EQ(menu.Item(ID_TOPMOST), MenuItem::Unchecked);
    EXPECT_EQ(menu.Item(ID_START_WINDOW), MenuItem::Absent);
    EXPECT_EQ(menu.Item(ID_START_TRAY), MenuItem::Absent);
    EXPECT_EQ(menu.Item(ID_EXIT), MenuItem::Unchecked);

    EXPECT_EQ(ExitPanel(), std::optional<DWORD>(0));
    EXPECT_EQ(SettingRead("Startup"), "0");
    EXPECT_EQ(SettingRead("AlwaysOnTop"), "0");
}

INSTANTIATE_TEST_SUITE_P(Switches, PanelTraySwitchTest,
                         ::testing::Values("/i", "/I", "-x/iy"));

}  // namespace
}  // namespace qor::test
