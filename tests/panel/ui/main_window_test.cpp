#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "fake_icons.h"
#include "icon_table.h"
#include "lamp_tips.h"
#include "panel_resources.h"
#include "recording_boxes.h"
#include "status_bar_layout.h"
#include "tray_icon.h"

namespace qor::test {
namespace {

TEST(TrayNotify, RightButtonShowsTheMenuDoubleClickOpensOthersNothing) {
    struct Case {
        unsigned iconId;
        unsigned mouse;
        TrayAction action;
    };
    const Case cases[] = {
        {4660, 0x0204, TrayAction::ShowMenu}, {4660, 0x0203, TrayAction::Open},
        {4660, 0x0201, TrayAction::None},     {4660, 0x0202, TrayAction::None},
        {4660, 0x0205, TrayAction::None},     {4660, 0x0200, TrayAction::None},
        {4661, 0x0204, TrayAction::None},     {0, 0x0203, TrayAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayNotify(c.iconId, c.mouse), c.action) << c.iconId << " " << c.mouse;
    }
}

TEST(LampTips, EachToolHasItsLampText) {
    const std::array<const char*, 7> texts{"Data Terminal Ready", "Request to Send",
                                           "Data Set Ready",      "Clear to Send",
                                           "Carrier Detect",      "Ring Indicate",
                                           "Off Hook"};
    const std::array<int, 7> zones{1008, 1005, 1007, 1012, 1009, 1010, 1011};
    for (unsigned i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(LAMP_TOOLS[i].toolId, 32768 + i);
        EXPECT_EQ(LAMP_TOOLS[i].zoneId, zones[i]);
        char buffer[80];
        ASSERT_TRUE(LampToolTextCopy(32768 + i, buffer, sizeof buffer));
        EXPECT_STREQ(buffer, texts[i]);
    }
}

TEST(LampTips, OtherToolsCopyNothingAndSmallBuffersAreCut) {
    for (unsigned other : {0u, 32767u, 32775u, 4660u}) {
        char buffer[8] = "keep";
        EXPECT_FALSE(LampToolTextCopy(other, buffer, sizeof buffer));
        EXPECT_STREQ(buffer, "keep");
    }
    char small[5];
    std::memset(small, 'x', sizeof small);
    ASSERT_TRUE(LampToolTextCopy(32768, small, sizeof small));
    EXPECT_STREQ(small, "Data");
    EXPECT_FALSE(LampToolTextCopy(32768, nullptr, 80));
    EXPECT_FALSE(LampToolTextCopy(32768, small, 0));
}

TEST(StatusBarEdges, ThirtyAndSeventyPercentInIntegers) {
    struct Case {
        int width;
        int first;
        int second;
    };
    const Case cases[] = {
        {0, 0, 0},     {1, 0, 0},       {3, 0, 2},    {10, 3, 10},
        {333, 99, 332}, {426, 127, 425}, {-40, 0, 0},
        {2000000000, 600000000, 2000000000},
    };
    for (const Case& c : cases) {
        const std::array<int, 2> edges = StatusBarEdges(c.width);
        EXPECT_EQ(edges[0], c.first) << c.width;
        EXPECT_EQ(edges[1], c.second) << c.width;
    }
}

class IconTableTest : public ::testing::Test {
protected:
    FakeIcons icons;
    RecordingBoxes boxes;
};

TEST_F(IconTableTest, FailedPicturesAreReportedInOrderAndLoadingGoesOn) {
    icons.failing = {IDI_TRAY_ACTIVE, IDI_TRAY_RETRAINING};
    IconTable table(icons, boxes);
    table.Load(TRAY_PICTURES.data(), TRAY_PICTURES.size());
    EXPECT_EQ(icons.loads, (std::vector<int>{122, 123, 123, 125, 126, 127}));
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes.shown) {
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, BoxIcon::Information);
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Error loading ORIG Tray icon",
                                               "Error loading ANSW Tray icon",
                                               "Error loading RETRAIN Tray icon"}));
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(table.At(i) == nullptr, i == 1 || i == 2 || i == 5) << i;
    }
    EXPECT_EQ(table.At(6), nullptr);
}

TEST_F(IconTableTest, FreeDestroysEachHeldIconOnceAndReloadingFreesFirst) {
    {
        IconTable table(icons, boxes);
        table.Load(TRAY_PICTURES.data(), TRAY_PICTURES.size());
        table.Load(TRAY_PICTURES.data(), TRAY_PICTURES.size());
        EXPECT_EQ(icons.live, 6);
        table.Free();
        EXPECT_EQ(icons.live, 0);
        table.Free();
        EXPECT_EQ(icons.destroyed.size(), 12u);
        EXPECT_EQ(table.At(0), nullptr);
        table.Load(TRAY_PICTURES.data(), 2);
    }
    // The table frees what it still holds when it goes.
    EXPECT_EQ(icons.live, 0);
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace qor::test
