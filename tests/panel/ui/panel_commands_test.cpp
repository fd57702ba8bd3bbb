#include "panel_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_panel_shell.h"
#include "panel_fixture.h"
#include "panel_resources.h"

namespace qor::test {
namespace {

using Log = std::vector<std::string>;

class PanelCommandsTest : public PanelFixture {
protected:
    FakePanelShell shell;
    PanelCommands commands{state, windows, placement, shell};
};

struct TopMostCase {
    int before;
    int after;
};

class TopMostToggleTest : public PanelCommandsTest,
                          public ::testing::WithParamInterface<TopMostCase> {};

TEST_P(TopMostToggleTest, FlipsTheFlagTheMarkAndTheWindow) {
    state.topMost = GetParam().before;
    commands.PanelCommand(ID_TOPMOST);
    EXPECT_EQ(state.topMost, GetParam().after);
    EXPECT_EQ(mainWindow.menuChecks[ID_TOPMOST], GetParam().after == 1);
    EXPECT_EQ(mainWindow.topMost, GetParam().after == 1);
    EXPECT_TRUE(mainWindow.moves.empty());
}

// A stored 5 counts as on, so the toggle turns it off.
INSTANTIATE_TEST_SUITE_P(Values, TopMostToggleTest,
                         ::testing::Values(TopMostCase{0, 1}, TopMostCase{1, 0},
                                           TopMostCase{5, 0}));

TEST_F(PanelCommandsTest, StartItemsSetTheModeAndMoveTheMark) {
    commands.PanelCommand(ID_START_TRAY);
    EXPECT_EQ(state.startMode, 1);
    EXPECT_FALSE(mainWindow.menuChecks[ID_START_WINDOW]);
    EXPECT_TRUE(mainWindow.menuChecks[ID_START_TRAY]);
    commands.PanelCommand(ID_START_WINDOW);
    EXPECT_EQ(state.startMode, 0);
    EXPECT_TRUE(mainWindow.menuChecks[ID_START_WINDOW]);
    EXPECT_FALSE(mainWindow.menuChecks[ID_START_TRAY]);
    // Held in memory until the main window is saved.
    EXPECT_EQ(Stored("Startup"), "(absent)");
}

TEST_F(PanelCommandsTest, ExitClosesTheStatisticsDialogSavesAndQuits) {
    for (bool statisticsOpen : {true, false}) {
        shell.log.clear();
        shell.statisticsOpen = statisticsOpen;
        state.startMode = statisticsOpen ? 1 : 0;
        commands.PanelCommand(ID_EXIT);
        const Log expected =
            statisticsOpen ? Log{"statistics ok", "quit 0"} : Log{"quit 0"};
        EXPECT_EQ(shell.log, expected);
        EXPECT_EQ(Stored("PanelX"), "100");
        EXPECT_EQ(Stored("Startup"), statisticsOpen ? "1" : "0");
        EXPECT_EQ(Stored("AlwaysOnTop"), "0");
    }
}

TEST_F(PanelCommandsTest, TrayOnlyRunNeverStoresTheStartMode) {
    Store("Startup", "0");
    state.trayOnlySwitch = 1;
    state.startMode = 1;
    commands.PanelCommand(ID_START_TRAY);
    commands.PanelCommand(ID_EXIT);
    EXPECT_EQ(Stored("Startup"), "0");
}

struct ShellCommand {
    unsigned id;
    bool statisticsOpen;
    Log expected;
};

class ShellCommandTest : public PanelCommandsTest,
                         public ::testing::WithParamInterface<ShellCommand> {};

TEST_P(ShellCommandTest, AsksTheShell) {
    shell.statisticsOpen = GetParam().statisticsOpen;
    commands.PanelCommand(GetParam().id);
    EXPECT_EQ(shell.log, GetParam().expected);
    EXPECT_EQ(state.startMode, 0);
    EXPECT_EQ(state.topMost, 0);
    EXPECT_TRUE(mainWindow.menuChecks.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ShellCommandTest,
    ::testing::Values(
        ShellCommand{ID_ABOUT, false, {"grey 40020", "about", "enable 40020"}},
        ShellCommand{ID_OPEN, false, {"restore"}},
        ShellCommand{ID_STATISTICS, false, {"statistics create"}},
        ShellCommand{ID_STATISTICS, true, {"statistics focus"}},
        ShellCommand{ID_MINIMIZE, false, {"minimize"}},
        ShellCommand{ID_CONFIGURE, false, {"start control qorcpl.cpl"}},
        ShellCommand{0, true, {}}, ShellCommand{1, false, {}}, ShellCommand{40004, false, {}},
        ShellCommand{40022, true, {}}, ShellCommand{65535, false, {}}));

TEST_F(PanelCommandsTest, CloseHidesAndDestructionQuitsBothSaving) {
    commands.PanelClose();
    EXPECT_EQ(shell.log, Log{"hide"});
    EXPECT_EQ(Stored("PanelY"), "50");
    mainWindow.rect = ScreenRect{7, 8, 100, 100};
    commands.PanelDestroyed();
    EXPECT_EQ(shell.log, (Log{"hide", "quit 0"}));
    EXPECT_EQ(Stored("PanelX"), "7");
}

}  // namespace
}  // namespace qor::test
