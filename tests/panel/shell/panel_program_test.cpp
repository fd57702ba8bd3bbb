// The front panel started inside the test process, without the driver: its window,
// its window procedure and its commands over real windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "install_layout.h"
#include "panel_messages.h"
#include "panel_program.h"
#include "panel_resources.h"

namespace qor::test {
namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Runs queued messages until done() holds or the deadline passes; true when done()
// held. A quit message is counted, not obeyed.
template <typename Done>
bool PumpUntil(Done done, int* quits = nullptr, DWORD deadlineMs = 3000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                if (quits != nullptr) ++*quits;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start > deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// The status bar's text of a part (SB_SIMPLEID for the simple text) and its style.
struct StatusText {
    std::string text;
    unsigned style;
};

StatusText StatusPart(HWND bar, WPARAM part) {
    char text[128] = {};
    const auto result = static_cast<DWORD>(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
    SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return {text, HIWORD(result)};
}

class PanelProgramTest : public ::testing::Test {
protected:
    // Callers wrap it in ASSERT_NO_FATAL_FAILURE.
    void Start(const char* commandLine) {
        ASSERT_EQ(program->Start(commandLine), PanelProgram::StartResult::Running);
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
    }
    ~PanelProgramTest() override {
        if (main != nullptr && IsWindow(main)) DestroyWindow(main);
        PumpUntil([] { return true; });
        program->End();
        UnregisterClassA(PANEL_WINDOW_CLASS, Instance());
    }

    HWND StatusBar() const { return GetDlgItem(main, IDC_STATUS_BAR); }
    bool Shown() const { return IsWindowVisible(main) != FALSE; }
    // The Statistics dialog owned by the main window, or null.
    HWND StatisticsDialog() const {
        HWND found = nullptr;
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            char caption[64] = {};
            GetWindowTextA(w, caption, sizeof caption);
            if (GetWindow(w, GW_OWNER) == main &&
                std::string(caption).rfind("Qor Statistics", 0) == 0) {
                found = w;
            }
        }
        return found;
    }
    UINT MenuState(int commandId) const {
        return GetMenuState(GetMenu(main), static_cast<UINT>(commandId), MF_BYCOMMAND);
    }

    std::unique_ptr<PanelProgram> program = std::make_unique<PanelProgram>(Instance());
    HWND main = nullptr;
};

TEST_F(PanelProgramTest, StartsShownIdleWithGreyFramesAndUnlitLamps) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    char className[32] = {};
    GetClassNameA(main, className, sizeof className);
    EXPECT_STREQ(className, "QORAPPL");
    EXPECT_TRUE(Shown());
    char caption[64] = {};
    GetWindowTextA(main, caption, sizeof caption);
    EXPECT_STREQ(caption, "Orvanta Modem Status Utility");

    HWND bar = StatusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    // In simple mode the bar reads back its simple text for every part.
    const StatusText simple = StatusPart(bar, 0);
    EXPECT_EQ(simple.text, "Idle");
    EXPECT_EQ(simple.style, static_cast<unsigned>(SBT_POPOUT));
    SendMessageA(bar, SB_SIMPLE, FALSE, 0);
    const StatusText part0 = StatusPart(bar, 0);
    EXPECT_EQ(part0.text, "Idle");
    EXPECT_EQ(part0.style, static_cast<unsigned>(SBT_POPOUT));
    const StatusText part1 = StatusPart(bar, 1);
    EXPECT_EQ(part1.text, " ");
    EXPECT_EQ(part1.style, 0u);
    int edges[2] = {};
    ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 2);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(edges[0], client.right * 30 / 100);
    EXPECT_EQ(edges[1], edges[0] + client.right * 70 / 100);

    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_LABELS_DTR_RTS)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_LABELS_OTHERS)));
    // Every lamp shows one bitmap: the program's unlit lamp, the same for all.
    const LRESULT unlit = SendDlgItemMessageA(main, IDC_LAMP_DTR, STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_NE(unlit, 0);
    for (int lamp : {IDC_LAMP_RTS, IDC_LAMP_DSR, IDC_LAMP_CTS, IDC_LAMP_CD, IDC_LAMP_RING,
                     IDC_LAMP_OH}) {
        EXPECT_EQ(SendDlgItemMessageA(main, lamp, STM_GETIMAGE, IMAGE_BITMAP, 0), unlit) << lamp;
    }

    EXPECT_EQ(MenuState(ID_TOPMOST) & MF_CHECKED, 0u);
    EXPECT_NE(MenuState(ID_START_WINDOW), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(GetSystemMenu(main, FALSE), SC_SIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(PanelProgramTest, TrayOnlySwitchKeepsTheWindowHiddenWithTheShortMenu) {
    for (const char* commandLine : {"/i", "x /I y"}) {
        SCOPED_TRACE(commandLine);
        ASSERT_NO_FATAL_FAILURE(Start(commandLine));
        EXPECT_FALSE(Shown());
        EXPECT_EQ(MenuState(ID_START_WINDOW), static_cast<UINT>(-1));
        EXPECT_EQ(MenuState(ID_START_TRAY), static_cast<UINT>(-1));
        EXPECT_NE(MenuState(ID_TOPMOST), static_cast<UINT>(-1));
        DestroyWindow(main);
        PumpUntil([] { return true; });
        program->End();
        UnregisterClassA(PANEL_WINDOW_CLASS, Instance());
        program = std::make_unique<PanelProgram>(Instance());
    }
    main = nullptr;
}

TEST_F(PanelProgramTest, CloseHidesEscMinimizesAndNeitherEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    int quits = 0;
    EXPECT_EQ(SendMessageA(main, WM_CLOSE, 0, 0), 1);
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(IsWindow(main));

    // A second copy's request shows a hidden window again.
    SendMessageA(main, WM_PANEL_SHOW, 0, 0);
    EXPECT_TRUE(Shown());

    SendMessageA(main, WM_COMMAND, ID_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(main));
    // ... but leaves a minimized one minimized.
    SendMessageA(main, WM_PANEL_SHOW, 0, 0);
    EXPECT_TRUE(IsIconic(main));

    SendMessageA(main, WM_COMMAND, ID_OPEN, 0);
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(Shown());
    PumpUntil([] { return false; }, &quits, 200);
    EXPECT_EQ(quits, 0);
}

TEST_F(PanelProgramTest, SystemMenuSizeIsIgnoredAndMaximizeShowsNormally) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    const RECT before = [this] {
        RECT r{};
        GetWindowRect(main, &r);
        return r;
    }();
    EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_SIZE, 0), 0);
    EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0), 0);
    EXPECT_FALSE(IsZoomed(main));
    EXPECT_TRUE(Shown());
    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(PanelProgramTest, AlwaysOnTopTogglesTheMarkAndTheBand) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    SendMessageA(main, WM_COMMAND, ID_TOPMOST, 0);
    EXPECT_NE(MenuState(ID_TOPMOST) & MF_CHECKED, 0u);
    EXPECT_NE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SendMessageA(main, WM_COMMAND, ID_TOPMOST, 0);
    EXPECT_EQ(MenuState(ID_TOPMOST) & MF_CHECKED, 0u);
    EXPECT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    SendMessageA(main, WM_COMMAND, ID_START_TRAY, 0);
    EXPECT_EQ(MenuState(ID_START_WINDOW) & MF_CHECKED, 0u);
    EXPECT_NE(MenuState(ID_START_TRAY) & MF_CHECKED, 0u);
    SendMessageA(main, WM_COMMAND, ID_START_WINDOW, 0);
    EXPECT_NE(MenuState(ID_START_WINDOW) & MF_CHECKED, 0u);
    EXPECT_EQ(MenuState(ID_START_TRAY) & MF_CHECKED, 0u);
}

TEST_F(PanelProgramTest, StatisticsOpensOnceAndTheUninstallMessageClosesItAndQuits) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    SendMessageA(main, WM_COMMAND, ID_STATISTICS, 0);
    HWND dialog = StatisticsDialog();
    ASSERT_NE(dialog, nullptr);
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Qor Statistics (Modem Inactive)");
    SendMessageA(main, WM_COMMAND, ID_STATISTICS, 0);
    EXPECT_EQ(StatisticsDialog(), dialog);

    int quits = 0;
    SendMessageA(main, RegisterWindowMessageA(UNINSTALL_MESSAGE), 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(PumpUntil([&] { return quits > 0; }, &quits));
}

TEST_F(PanelProgramTest, EscInTheStatisticsDialogClosesItAlone) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    SendMessageA(main, WM_COMMAND, ID_STATISTICS, 0);
    HWND dialog = StatisticsDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(dialog));
    SendMessageA(main, WM_COMMAND, ID_STATISTICS, 0);
    EXPECT_NE(StatisticsDialog(), nullptr);
}

TEST_F(PanelProgramTest, TrayDoubleClickOpensAndOtherIconsAreIgnored) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    SendMessageA(main, WM_CLOSE, 0, 0);
    SendMessageA(main, WM_PANEL_TRAY, ID_TRAY_ICON + 1, WM_LBUTTONDBLCLK);
    SendMessageA(main, WM_PANEL_TRAY, ID_TRAY_ICON, WM_LBUTTONDOWN);
    PumpUntil([] { return false; }, nullptr, 200);
    EXPECT_FALSE(Shown());
    SendMessageA(main, WM_PANEL_TRAY, ID_TRAY_ICON, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(PumpUntil([this] { return Shown(); }));
}

TEST_F(PanelProgramTest, LampToolTextsAreAnsweredInTheRequestsBuffer) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    NMTTDISPINFOA request{};
    request.hdr.hwndFrom = main;
    request.hdr.idFrom = 32771;
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.lpszText, request.szText);
    EXPECT_STREQ(request.szText, "Clear to Send");

    NMTTDISPINFOA other{};
    other.hdr.idFrom = 4660;
    other.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(other.lpszText, nullptr);
    EXPECT_STREQ(other.szText, "");
}

TEST_F(PanelProgramTest, LabelFramesPaintOnTheWindowColour) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    HDC dc = GetDC(main);
    for (int id : {IDC_LABELS_DTR_RTS, IDC_LABELS_OTHERS}) {
        SetBkColor(dc, RGB(1, 2, 3));
        const LRESULT brush =
            SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
        EXPECT_NE(brush, 0) << id;
        EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW)) << id;
    }
    // Other statics get the brush but keep their text background.
    SetBkColor(dc, RGB(1, 2, 3));
    EXPECT_NE(SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_LAMP_DTR))),
              0);
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    ReleaseDC(main, dc);
    // A colour change makes a new brush; requests still get one.
    SendMessageA(main, WM_SYSCOLORCHANGE, 0, 0);
    HDC again = GetDC(main);
    EXPECT_NE(SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(again),
                           reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_LABELS_OTHERS))),
              0);
    ReleaseDC(main, again);
}

TEST_F(PanelProgramTest, PowerBroadcastsAreGrantedAndTheMonitorKeepsRunning) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    EXPECT_EQ(SendMessageA(main, WM_POWERBROADCAST, 0 /* query suspend */, 0), TRUE);
    EXPECT_EQ(SendMessageA(main, WM_POWERBROADCAST, 4, 0), TRUE);
    EXPECT_EQ(SendMessageA(main, WM_POWERBROADCAST, 7, 0), TRUE);
    // The resumed timer still reopens (and here fails to find) the driver silently.
    EXPECT_EQ(StatusPart(StatusBar(), 0).text, "Idle");
}

TEST_F(PanelProgramTest, SecondCopyHandsOverAndShowsTheHiddenWindow) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    SendMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_FALSE(Shown());
    PanelProgram second(Instance());
    EXPECT_EQ(second.Start(""), PanelProgram::StartResult::HandedOver);
    EXPECT_EQ(second.MainWindow(), main);
    EXPECT_TRUE(PumpUntil([this] { return Shown(); }));
}

TEST_F(PanelProgramTest, ExitQuitsAndTheLoopReturnsItsCode) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(program->MessageLoop(), 0);
}

}  // namespace
}  // namespace qor::test
