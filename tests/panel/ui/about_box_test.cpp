#include "about_box.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fake_icons.h"
#include "fake_window_ops.h"
#include "panel_resources.h"
#include "recording_boxes.h"

namespace qor::test {
namespace {

class FakeAboutView : public AboutView {
public:
    explicit FakeAboutView(FakeIcons& icons) : icons_(icons) {}
    void SetControlText(int controlId, const char* text) override { texts[controlId] = text; }
    void DrawPicture(IconHandle picture) override { drawn.push_back(icons_.resourceOf.at(picture)); }
    bool TimerStart(unsigned id, unsigned periodMs) override {
        if (refuseTimer) return false;
        timers[id] = periodMs;
        return true;
    }
    void TimerStop(unsigned id) override { timers.erase(id); ++stops; }
    void End() override { ++ends; }

    std::map<int, std::string> texts;
    std::vector<int> drawn;  // resource ids, in drawing order
    std::map<unsigned, unsigned> timers;
    bool refuseTimer = false;
    int stops = 0;
    int ends = 0;

private:
    FakeIcons& icons_;
};

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() {
        owner.rect = ScreenRect{100, 100, 420, 218};
        dialog.rect = ScreenRect{0, 0, 288, 194};
    }
    void Open(FakeAboutView& box) { about.AboutInit(windows.Add(dialog), windows.Add(owner), box); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) about.AboutTimerTick(ABOUT_TIMER_ID);
    }

    FakeWindowOps windows;
    FakeWindow owner;
    FakeWindow dialog;
    FakeIcons icons;
    RecordingBoxes boxes;
    AboutBox about{windows, icons, boxes};
    FakeAboutView view{icons};
};

TEST_F(AboutBoxTest, OpeningCentresLoadsWritesAndStartsTheLight) {
    Open(view);
    ASSERT_EQ(dialog.moves.size(), 1u);
    EXPECT_EQ(dialog.moves[0], std::make_pair(116L, 62L));
    EXPECT_EQ(icons.loads, (std::vector<int>{118, 119, 120, 121}));
    EXPECT_EQ(view.texts[IDC_ABOUT_TITLE], "Orvanta Modem Front Panel");
    EXPECT_EQ(view.texts[IDC_ABOUT_VERSION], "Version 1.00");
    EXPECT_FALSE(view.texts[IDC_ABOUT_NOTICE_1].empty());
    EXPECT_FALSE(view.texts[IDC_ABOUT_NOTICE_2].empty());
    EXPECT_EQ(view.timers, (std::map<unsigned, unsigned>{{123, 250}}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AboutBoxTest, LightRunsLeftToRightThenPausesAllRed) {
    Open(view);
    Ticks(5);
    EXPECT_EQ(view.drawn, (std::vector<int>{119, 120, 121, 118, 119}));
    // Other timers are not the light's.
    about.AboutTimerTick(ABOUT_TIMER_ID + 1);
    EXPECT_EQ(view.drawn.size(), 5u);
}

TEST_F(AboutBoxTest, NextOpeningGoesOnWhereTheLastStopped) {
    Open(view);
    Ticks(2);
    about.AboutClose();
    EXPECT_EQ(about.AnimationIndex(), 2u);
    FakeAboutView second(icons);
    Open(second);
    Ticks(2);
    EXPECT_EQ(second.drawn, (std::vector<int>{121, 118}));
}

TEST_F(AboutBoxTest, PictureThatFailedIsReportedAndSkipped) {
    icons.failing = {IDI_ABOUT_MIDDLE};
    Open(view);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Error");
    EXPECT_EQ(boxes.shown[0].text, "Error loading ABOUT icon 3");
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Information);
    Ticks(4);
    EXPECT_EQ(view.drawn, (std::vector<int>{119, 121, 118}));
    EXPECT_EQ(about.AnimationIndex(), 0u);
}

TEST_F(AboutBoxTest, ClosingStopsTheTimerFreesThePicturesAndEnds) {
    Open(view);
    about.AboutClose();
    EXPECT_TRUE(view.timers.empty());
    EXPECT_EQ(view.ends, 1);
    EXPECT_EQ(icons.live, 0);
    EXPECT_EQ(icons.destroyed.size(), 4u);
    // At program exit there is nothing left; a late tick or close does nothing.
    about.AboutIconsFree();
    about.AboutTimerTick(ABOUT_TIMER_ID);
    about.AboutClose();
    EXPECT_EQ(icons.destroyed.size(), 4u);
    EXPECT_TRUE(view.drawn.empty());
    EXPECT_EQ(view.ends, 1);
}

TEST_F(AboutBoxTest, WithoutATimerTheBoxStillOpensAndCloses) {
    view.refuseTimer = true;
    Open(view);
    about.AboutClose();
    EXPECT_EQ(view.stops, 0);
    EXPECT_EQ(view.ends, 1);
    EXPECT_EQ(icons.live, 0);
}

}  // namespace
}  // namespace qor::test
