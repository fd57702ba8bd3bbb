// The window logic over its Win32 realisations and real windows made from the
// program's templates, under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "about_box.h"
#include "fake_panel_view.h"
#include "fake_window_timer.h"
#include "install_layout.h"
#include "memory_registry.h"
#include "panel_commands.h"
#include "panel_outputs.h"
#include "panel_registry.h"
#include "panel_resources.h"
#include "port_link.h"
#include "recording_boxes.h"
#include "registry_helpers.h"
#include "scripted_port_device.h"
#include "statistics_dialog.h"
#include "status_monitor.h"
#include "win32_about_view.h"
#include "win32_icons.h"
#include "win32_statistics_view.h"
#include "win32_window_ops.h"
#include "window_placement.h"

namespace qor::test {
namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Lets queued messages (timers among them) run until done() holds or the deadline
// passes; true when done() held.
template <typename Done>
bool PumpUntil(Done done, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}

class Win32WindowLogicTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS;
        InitCommonControlsEx(&controls);
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefDlgProcA;
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.hInstance = Instance();
        windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_PANEL);
        windowClass.lpszClassName = PANEL_WINDOW_CLASS;
        RegisterClassExA(&windowClass);
    }

    Win32WindowLogicTest() {
        registry.CreateKey(FRONT_PANEL_KEY);
        main = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(IDD_PANEL), nullptr, nullptr, 0);
        state.mainWindow = FromHwnd(main);
    }
    ~Win32WindowLogicTest() override {
        if (main != nullptr) DestroyWindow(main);
    }

    void Store(const char* name, const char* text) {
        ASSERT_EQ(WriteRegStr(registry, FRONT_PANEL_KEY, name, text), 1);
    }
    std::string Stored(const char* name) {
        char text[64];
        return ReadRegStr(registry, FRONT_PANEL_KEY, name, text, sizeof text) == 1 ? text : "";
    }
    static RECT RectOf(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
    static bool IsTopMost(HWND window) {
        return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    bool Checked(int commandId) {
        return (GetMenuState(GetMenu(main), static_cast<UINT>(commandId), MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }

    MemoryRegistry registry;
    RecordingBoxes boxes;
    PanelRegistry panelRegistry{registry, boxes};
    Win32WindowOps windows;
    PanelState state;
    WindowPlacement placement{windows, panelRegistry, boxes, state};
    HWND main = nullptr;
};

TEST_F(Win32WindowLogicTest, MainWindowTakesItsClassMenuAndStoredSettings) {
    ASSERT_NE(main, nullptr);
    ASSERT_NE(GetMenu(main), nullptr);
    Store("PanelX", "40");
    Store("PanelY", "30");
    Store("Startup", "1");
    Store("AlwaysOnTop", "1");
    placement.WindowGetPosition(state.mainWindow, PANEL_WINDOW_NAME);
    EXPECT_EQ(RectOf(main).left, 40);
    EXPECT_EQ(RectOf(main).top, 30);
    EXPECT_TRUE(IsTopMost(main));
    EXPECT_TRUE(Checked(ID_TOPMOST));
    EXPECT_FALSE(Checked(ID_START_WINDOW));
    EXPECT_TRUE(Checked(ID_START_TRAY));
}

TEST_F(Win32WindowLogicTest, CommandsChangeTheRealWindowAndItsMenu) {
    class NoShell : public PanelShell {
        bool StatisticsExists() override { return false; }
        void StatisticsSendOk() override {}
        void StatisticsFocus() override {}
        void StatisticsCreate() override {}
        void TrayMenuItemEnable(int, bool) override {}
        void AboutRun() override {}
        void MainWindowRestore() override {}
        void MainWindowMinimize() override {}
        void MainWindowHide() override {}
        void QuitPost(int) override {}
        void CommandLineStart(const char*) override {}
    } shell;
    PanelCommands commands(state, windows, placement, shell);
    commands.PanelCommand(ID_TOPMOST);
    EXPECT_TRUE(IsTopMost(main));
    EXPECT_TRUE(Checked(ID_TOPMOST));
    commands.PanelCommand(ID_TOPMOST);
    EXPECT_FALSE(IsTopMost(main));
    EXPECT_FALSE(Checked(ID_TOPMOST));
    commands.PanelCommand(ID_START_TRAY);
    EXPECT_TRUE(Checked(ID_START_TRAY));
    EXPECT_FALSE(Checked(ID_START_WINDOW));
}

TEST_F(Win32WindowLogicTest, SavingAMinimizedWindowKeepsItsPosition) {
    SetWindowPos(main, nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(main, SW_SHOWNORMAL);
    placement.WindowSavePosition(state.mainWindow, PANEL_WINDOW_NAME);
    EXPECT_EQ(Stored("PanelX"), "120");
    EXPECT_EQ(Stored("PanelY"), "80");
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(windows.IsMinimized(state.mainWindow));
    placement.WindowSavePosition(state.mainWindow, PANEL_WINDOW_NAME);
    EXPECT_EQ(Stored("PanelX"), "120");
    EXPECT_EQ(Stored("Startup"), "0");
}

// Dialog procedures of the tests: the logic's object arrives as the creation parameter.
INT_PTR CALLBACK StatisticsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

struct StatisticsHarness {
    StatisticsDialog& logic;
    Win32StatisticsView* view = nullptr;
};

INT_PTR CALLBACK StatisticsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* harness = reinterpret_cast<StatisticsHarness*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        harness->view = new Win32StatisticsView(dialog);
        harness->logic.StatisticsOpen(FromHwnd(dialog), *harness->view);
        return TRUE;
    }
    auto* harness = reinterpret_cast<StatisticsHarness*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (harness == nullptr) return FALSE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        harness->logic.StatisticsClose();
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        delete harness->view;
        harness->view = nullptr;
    }
    return FALSE;
}

class Win32StatisticsTest : public Win32WindowLogicTest {
protected:
    Win32StatisticsTest() {
        statistics.AttachMonitor(monitor);
        monitor.MonitorStart();
        monitor.MonitorTick();
    }
    HWND Open(const PortStatistics& record) {
        device.statistics = record;
        return CreateDialogParamA(Instance(), MAKEINTRESOURCEA(IDD_STATISTICS), main,
                                  StatisticsProcedure, reinterpret_cast<LPARAM>(&harness));
    }
    std::string Text(HWND dialog, int id) {
        char text[64] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }

    ScriptedPortDevice device;
    FakePanelView panelView;
    PanelOutputs outputs{panelView};
    PortLink link{device, outputs};
    FakeWindowTimer timer;
    StatisticsDialog statistics{link, placement};
    StatusMonitor monitor{link, outputs, timer, statistics};
    StatisticsHarness harness{statistics};
};

TEST_F(Win32StatisticsTest, FiguresBarsAndSliderReachTheControls) {
    PortStatistics record;
    record.Set(StatisticsWord::DteTransmitLevel, 12);
    record.Set(StatisticsWord::DteTransmitSize, 1024);
    record.Set(StatisticsWord::RtsFrequency, 32);
    const HWND dialog = Open(record);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(statistics.Dialog(), FromHwnd(dialog));
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Qor Statistics ");
    EXPECT_EQ(Text(dialog, IDC_DTE_TX_TEXT), "  12 of 1024      1%");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DTE_TX_BAR, PBM_GETRANGE, FALSE, 0), 1024);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DTE_TX_BAR, PBM_GETPOS, 0, 0), 12);
    EXPECT_EQ(Text(dialog, IDC_RTS_FREQUENCY), "32 ms");
    EXPECT_EQ(Text(dialog, IDC_TASKER_LOOPS), "0 ");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RTS_SLIDER, TBM_GETRANGEMAX, 0, 0), 9);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RTS_SLIDER, TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(Text(dialog, IDC_RTS_REQUESTED), "32");

    SendDlgItemMessageA(dialog, IDC_RTS_SLIDER, TBM_SETPOS, TRUE, 0);
    statistics.RtsSliderRead();
    EXPECT_EQ(Text(dialog, IDC_RTS_REQUESTED), "5");

    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(statistics.IsOpen());
}

TEST_F(Win32StatisticsTest, InactiveDialogGreysItsFiguresOnly) {
    device.statusAnswers = false;
    const HWND dialog = Open(PortStatistics{});
    ASSERT_NE(dialog, nullptr);
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Qor Statistics (Modem Inactive)");
    for (int id : FIGURE_CONTROLS) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    EXPECT_EQ(Text(dialog, IDC_QIN_TEXT), "0 of 0");
    DestroyWindow(dialog);
}

struct AboutHarness {
    AboutBox& logic;
    HWND owner;
    Win32AboutView* view = nullptr;
};

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* harness = reinterpret_cast<AboutHarness*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        harness->view = new Win32AboutView(dialog);
        harness->logic.AboutInit(FromHwnd(dialog), FromHwnd(harness->owner), *harness->view);
        return TRUE;
    }
    auto* harness = reinterpret_cast<AboutHarness*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (harness == nullptr) return FALSE;
    if (message == WM_TIMER) {
        harness->logic.AboutTimerTick(static_cast<unsigned>(wParam));
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        harness->logic.AboutClose();
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        delete harness->view;
        harness->view = nullptr;
    }
    return FALSE;
}

TEST_F(Win32WindowLogicTest, AboutBoxSitsInsideTheWorkAreaAndItsLightRuns) {
    ScreenRect area;
    ASSERT_TRUE(windows.GetWorkArea(&area));
    // The main window mostly off the right edge.
    SetWindowPos(main, nullptr, static_cast<int>(area.right) - 50, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    Win32Icons icons(Instance());
    AboutBox about(windows, icons, boxes);
    AboutHarness harness{about, main};
    // Modeless here, so that the test can watch it; the program runs it modally.
    const HWND box = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(IDD_ABOUT), main,
                                        AboutProcedure, reinterpret_cast<LPARAM>(&harness));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(RectOf(box).right, area.right);
    char title[64] = {};
    GetDlgItemTextA(box, IDC_ABOUT_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "Orvanta Modem Front Panel");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(PumpUntil([&] { return about.AnimationIndex() == 2; }, 5000));
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    const unsigned stoppedAt = about.AnimationIndex();
    // The timer is gone: the light stays where it stopped.
    PumpUntil([] { return false; }, 400);
    EXPECT_EQ(about.AnimationIndex(), stoppedAt);
    DestroyWindow(box);
}

}  // namespace
}  // namespace qor::test
