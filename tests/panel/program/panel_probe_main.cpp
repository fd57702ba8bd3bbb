// panel_probe: drives and watches the running front panel from outside, for the
// demonstration's screenshots and the idle-cost measurement. Each command waits
// for what it needs with a deadline and exits 0 once it holds, 1 otherwise
// (printing what it saw), 2 on a usage error.
//
//   panel_probe wait-status LINE [SECONDS]   the status bar shows LINE: "[Idle]" in
//                                            simple mode, "PART0|PART1" with two parts
//   panel_probe command ID                   posts WM_COMMAND ID to the main window
//   panel_probe tray-menu                    the notification menu, opened as by a
//                                            right click on the icon
//   panel_probe close-menu                   closes an open menu
//   panel_probe wait-dialog CAPTION [SECONDS]   a dialog of the main window with
//                                            exactly this caption is shown
//   panel_probe close-dialog CAPTION         presses OK of the dialog whose caption
//                                            begins with CAPTION; waits until it is gone
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "panel_messages.h"
#include "panel_process.h"
#include "panel_resources.h"
#include "remote_status_bar.h"
#include "simulated_driver.h"
#include "window_probe.h"

namespace qor::test {
namespace {

constexpr std::chrono::seconds kDefaultDeadline{20};

int Usage() {
    std::fprintf(stderr, "usage: panel_probe wait-status LINE [SECONDS] | command ID | tray-menu |\n"
                         "       close-menu | wait-dialog CAPTION [SECONDS] | close-dialog CAPTION\n");
    return 2;
}

int Report(bool held, const std::string& seen) {
    if (!held) std::fprintf(stderr, "panel_probe: not seen; last: %s\n", seen.c_str());
    return held ? 0 : 1;
}

std::chrono::milliseconds Deadline(int argc, char** argv, int index) {
    return index < argc ? std::chrono::seconds(std::atoi(argv[index])) : kDefaultDeadline;
}

HWND MainWindow() {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindPanelWindow()) != nullptr; }, kDefaultDeadline);
    return window;
}

// The open pop-up menu (the system's menu window class).
HWND OpenMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

int WaitStatus(HWND main, const std::string& line, std::chrono::milliseconds deadline) {
    std::string seen;
    const bool held = WaitFor([&] { return (seen = StatusLine(GetDlgItem(main, IDC_STATUS_BAR))) == line; },
                              deadline);
    return Report(held, seen);
}

int TrayMenu(HWND main) {
    // The menu opens at the cursor: put it on the notification area, at the right
    // end of the taskbar, where the icon sits.
    RECT taskbar{};
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray != nullptr && GetWindowRect(tray, &taskbar))
        SetCursorPos(taskbar.right - 12, (taskbar.top + taskbar.bottom) / 2);
    PostMessageA(main, WM_PANEL_TRAY, ID_TRAY_ICON, WM_RBUTTONDOWN);
    return Report(WaitFor([] { return OpenMenu() != nullptr; }, kDefaultDeadline), "no menu");
}

int CloseMenu() {
    HWND menu = OpenMenu();
    if (menu != nullptr) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    return Report(WaitFor([] { return OpenMenu() == nullptr; }, kDefaultDeadline), "the menu stays open");
}

int WaitDialog(HWND main, const std::string& caption, std::chrono::milliseconds deadline) {
    std::string seen = "no dialog";
    const bool held = WaitFor(
        [&] {
            HWND dialog = FindOwnedDialog(main, caption);
            if (dialog != nullptr) seen = "\"" + WindowText(dialog) + "\"";
            return dialog != nullptr && WindowText(dialog) == caption;
        },
        deadline);
    return Report(held, seen);
}

int CloseDialog(HWND main, const std::string& caption) {
    HWND dialog = FindOwnedDialog(main, caption);
    if (dialog == nullptr) return Report(false, "no dialog \"" + caption + "\"");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return Report(WaitFor([&] { return IsWindow(dialog) == FALSE; }, kDefaultDeadline),
                  "the dialog stays open");
}

int Run(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    HWND main = MainWindow();
    if (main == nullptr) return Report(false, "no front panel window");
    if (command == "wait-status" && argc >= 3) return WaitStatus(main, argv[2], Deadline(argc, argv, 3));
    if (command == "command" && argc == 3) {
        PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        return 0;
    }
    if (command == "tray-menu" && argc == 2) return TrayMenu(main);
    if (command == "close-menu" && argc == 2) return CloseMenu();
    if (command == "wait-dialog" && argc >= 3) return WaitDialog(main, argv[2], Deadline(argc, argv, 3));
    if (command == "close-dialog" && argc == 3) return CloseDialog(main, argv[2]);
    return Usage();
}

}  // namespace
}  // namespace qor::test

int main(int argc, char** argv) { return qor::test::Run(argc, argv); }
