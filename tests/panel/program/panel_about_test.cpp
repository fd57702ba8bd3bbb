// The About box over the main window.
#include "panel_program_fixture.h"
#include "panel_resources.h"
#include "window_probe.h"

namespace qor::test {
namespace {

class PanelAboutTest : public PanelProgramTest {};

TEST_F(PanelAboutTest, ShowsTitleAndVersionCentredOverTheDisabledMainWindow) {
    DriverPlays(SCENARIO_GONE);
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(SetWindowPos(main(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main()) != FALSE; }, kDeadline));

    Command(ID_ABOUT);
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = FindOwnedDialog(main(), "About Qor Front Panel")) != nullptr; },
                        kDeadline));
    EXPECT_EQ(ControlText(about, IDC_ABOUT_TITLE), "Orvanta Modem Front Panel");
    EXPECT_EQ(ControlText(about, IDC_ABOUT_VERSION), "Version 1.00");
    EXPECT_FALSE(ControlText(about, IDC_ABOUT_NOTICE_1).empty());
    EXPECT_FALSE(IsWindowEnabled(main()));

    RECT owner{}, box{};
    ASSERT_TRUE(GetWindowRect(main(), &owner));
    ASSERT_TRUE(GetWindowRect(about, &box));
    const long width = box.right - box.left;
    const long height = box.bottom - box.top;
    EXPECT_EQ(box.left, owner.left + ((owner.right - owner.left) - width) / 2);
    EXPECT_EQ(box.top, owner.top + ((owner.bottom - owner.top) - height) / 2);

    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindow(about) == FALSE; }, kDeadline));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main()) != FALSE; }, kDeadline));
    EXPECT_TRUE(panel_.Running());
}

}  // namespace
}  // namespace qor::test
