#include "window_center.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_window_ops.h"

namespace qor::test {
namespace {

struct CenterCase {
    const char* name;
    ScreenRect other;
    long width;
    long height;
    std::optional<ScreenRect> workArea;  // none: the 800 x 600 screen
    long x;
    long y;
};

class WindowCenterTest : public ::testing::TestWithParam<CenterCase> {};

TEST_P(WindowCenterTest, CentresOverTheOtherInsideTheWorkArea) {
    const CenterCase& c = GetParam();
    FakeWindowOps windows;
    windows.workArea = c.workArea;
    FakeWindow box;
    box.rect = ScreenRect{5, 5, 5 + c.width, 5 + c.height};
    FakeWindow other;
    other.rect = c.other;
    WindowCenter(windows, windows.Add(box), windows.Add(other));
    ASSERT_EQ(box.moves.size(), 1u);
    EXPECT_EQ(box.moves[0].first, c.x);
    EXPECT_EQ(box.moves[0].second, c.y);
}

constexpr ScreenRect WORK_AREA{0, 0, 800, 570};

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowCenterTest,
    ::testing::Values(
        CenterCase{"exact", {100, 100, 400, 300}, 100, 50, WORK_AREA, 200, 175},
        // (7 / 2) and (-51 / 2) both round toward zero: 3 and -25.
        CenterCase{"odd_halves", {300, 200, 407, 251}, 100, 102, WORK_AREA, 303, 175},
        CenterCase{"near_right_edge", {700, 100, 800, 200}, 192, 119, WORK_AREA, 608, 91},
        CenterCase{"ends_exactly_at_right_edge", {608, 100, 800, 219}, 192, 119, WORK_AREA, 608,
                   100},
        CenterCase{"left_of_screen", {-60, 100, 40, 200}, 192, 119, WORK_AREA, 0, 91},
        CenterCase{"over_the_taskbar", {100, 540, 300, 600}, 192, 119, WORK_AREA, 104, 451},
        CenterCase{"taskbar_on_the_left", {0, 0, 100, 100}, 192, 119,
                   ScreenRect{30, 0, 800, 600}, 30, 0},
        CenterCase{"no_work_area_uses_the_screen", {780, 550, 800, 600}, 192, 119,
                   std::nullopt, 608, 481}),
    [](const ::testing::TestParamInfo<CenterCase>& c) { return std::string(c.param.name); });

TEST(WindowCenter, UnreadableRectangleLeavesTheWindowAlone) {
    FakeWindowOps windows;
    FakeWindow box;
    FakeWindow other;
    other.rectReadable = false;
    WindowCenter(windows, windows.Add(box), windows.Add(other));
    EXPECT_TRUE(box.moves.empty());
}

}  // namespace
}  // namespace qor::test
