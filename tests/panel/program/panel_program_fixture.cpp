#include "panel_program_fixture.h"

#include "driver_service.h"
#include "panel_resources.h"
#include "panel_settings.h"
#include "remote_status_bar.h"
#include "window_probe.h"

namespace qor::test {

void PanelProgramTest::SetUp() {
    EndLeftoverPanel();
    ASSERT_TRUE(SettingsClear()) << "the installation's front panel key is missing";
}

void PanelProgramTest::DriverPlays(const std::string& scenario) {
    std::string error;
    ASSERT_TRUE(DriverRestart(PanelScenarioPath(scenario), &error)) << error;
}

HWND PanelProgramTest::StartPanel(const std::string& arguments) {
    std::string error;
    if (!panel_.Start(arguments, &error)) {
        ADD_FAILURE() << error;
        return nullptr;
    }
    // The window counts once its message loop answers: its status bar reads.
    WaitFor(
        [&] {
            HWND window = FindPanelWindow();
            DWORD owner = 0;
            if (window == nullptr || GetWindowThreadProcessId(window, &owner) == 0 ||
                owner != panel_.id())
                return false;
            main_ = window;
            return ReadStatusBar(statusBar()).has_value();
        },
        kDeadline);
    if (main_ == nullptr) ADD_FAILURE() << "no main window of class QORAPPL appeared";
    return main_;
}

std::optional<DWORD> PanelProgramTest::RunSecondCopy() {
    PanelProcess second;
    std::string error;
    if (!second.Start("", &error)) {
        ADD_FAILURE() << error;
        return std::nullopt;
    }
    return second.WaitForExit(kDeadline);
}

void PanelProgramTest::Command(UINT commandId) const {
    PostMessageA(main_, WM_COMMAND, commandId, 0);
}

std::optional<DWORD> PanelProgramTest::ExitPanel() const {
    Command(ID_EXIT);
    return panel_.WaitForExit(kDeadline);
}

bool PanelProgramTest::PostedMessagesHandled() const {
    // The top-most toggle shows from outside; toggled twice it leaves the flag as
    // it was.
    const bool before = IsTopMost(main_);
    for (const bool expected : {!before, before}) {
        Command(ID_TOPMOST);
        if (!WaitFor([&] { return IsTopMost(main_) == expected; }, kDeadline)) return false;
    }
    return true;
}

HWND PanelProgramTest::statusBar() const { return GetDlgItem(main_, IDC_STATUS_BAR); }

std::string PanelProgramTest::Status() const { return StatusLine(statusBar()); }

std::string PanelProgramTest::StatusEventually(const std::string& line) const {
    return Eventually([&] { return Status(); }, line);
}

}  // namespace qor::test
