#include "panel_outputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_panel_view.h"

namespace qor {
namespace {

using test::FakePanelView;
using Log = std::vector<std::string>;

class PanelOutputsTest : public ::testing::Test {
protected:
    FakePanelView view;
    PanelOutputs outputs{view};
};

TEST_F(PanelOutputsTest, PartZeroIsAlsoTheSimpleTextBothRaised) {
    outputs.StatusBarSetText(0, "Idle mode");
    outputs.StatusBarSetText(1, "Modem is idle.");
    outputs.StatusBarSetText(2, "ignored");
    outputs.StatusBarSetText(-1, "ignored");
    EXPECT_EQ(view.log, (Log{"part0 raised Idle mode", "simple text raised Idle mode",
                             "part1 Modem is idle."}));
}

TEST_F(PanelOutputsTest, SimpleModeSwitch) {
    outputs.StatusBarSetSimple(true);
    outputs.StatusBarSetSimple(false);
    EXPECT_EQ(view.log, (Log{"simple on", "simple off"}));
}

TEST_F(PanelOutputsTest, TipIsFormattedAndCutTo63Characters) {
    outputs.TrayTipSet("Idle");
    EXPECT_EQ(view.tip, "Modem Status (Idle)");
    const std::string longText(80, 'x');
    outputs.TrayTipSet(longText.c_str());
    EXPECT_EQ(view.tip, "Modem Status (" + std::string(63 - 14, 'x'));
}

TEST(TrayTipFormat, NullTextIsEmptyAndSmallBuffersAreCut) {
    char tip[TRAY_TIP_SIZE];
    TrayTipFormat(nullptr, tip, sizeof tip);
    EXPECT_STREQ(tip, "Modem Status ()");
    char small[8];
    TrayTipFormat("Idle", small, sizeof small);
    EXPECT_STREQ(small, "Modem S");
}

struct TrayCase {
    const char* name;
    int shownBefore;
    int requested;
    int failedPicture;  // -1: all loaded
    bool expectUpdate;
    int expectShown;
};

TEST_F(PanelOutputsTest, TrayIconSetChangesOnlyToALoadedOtherPicture) {
    const TrayCase cases[] = {
        {"new picture", 0, 3, -1, true, 3},
        {"same picture", 3, 3, -1, false, 3},
        {"below range means idle", 3, -1, -1, true, 0},
        {"above range means idle", 4, 6, -1, true, 0},
        {"far above range means idle", 5, 1000, -1, true, 0},
        {"out of range while idle", 0, 6, -1, false, 0},
        {"failed picture", 0, 5, 5, false, 0},
        {"failed idle picture", 4, 9, 0, false, 4},
    };
    for (const TrayCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePanelView tray;
        PanelOutputs out(tray);
        out.TrayIconSet(c.shownBefore);
        ASSERT_EQ(out.TrayPicture(), c.shownBefore);
        if (c.failedPicture >= 0) tray.loaded[static_cast<std::size_t>(c.failedPicture)] = false;
        tray.log.clear();
        out.TrayIconSet(c.requested);
        EXPECT_EQ(tray.log.size(), c.expectUpdate ? 1u : 0u);
        EXPECT_EQ(out.TrayPicture(), c.expectShown);
        EXPECT_EQ(tray.picture, c.expectShown);
    }
}

TEST_F(PanelOutputsTest, TrayPictureRefusedByTheShellIsTriedAgain) {
    view.refusePicture = true;
    outputs.TrayIconSet(3);
    EXPECT_EQ(outputs.TrayPicture(), 0);
    view.refusePicture = false;
    outputs.TrayIconSet(3);
    EXPECT_EQ(view.Entries("picture"), (Log{"picture 3", "picture 3"}));
    EXPECT_EQ(view.picture, 3);
}

TEST_F(PanelOutputsTest, LampsClearInTableOrderAndLabelsToggleBothFrames) {
    outputs.LampsClear();
    outputs.LampLabelsEnable(true);
    outputs.LampLabelsEnable(false);
    EXPECT_EQ(view.log,
              (Log{"lamp 1000 unlit", "lamp 1001 unlit", "lamp 1013 unlit", "lamp 1014 unlit",
                   "lamp 1002 unlit", "lamp 1006 unlit", "lamp 1003 unlit", "control 1015 on",
                   "control 1017 on", "control 1015 off", "control 1017 off"}));
}

}  // namespace
}  // namespace qor
