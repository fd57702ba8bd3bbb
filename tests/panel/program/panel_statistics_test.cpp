// The Statistics dialog: caption, figures, the RTS request, and its end with the
// program on the uninstall message.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "install_layout.h"
#include "panel_program_fixture.h"
#include "panel_resources.h"
#include "panel_settings.h"
#include "window_probe.h"

namespace qor::test {
namespace {

class PanelStatisticsTest : public PanelProgramTest {
protected:
    // Opens the dialog with the Statistics command; null (with a failure) when it
    // does not appear.
    HWND OpenStatistics() {
        Command(ID_STATISTICS);
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = FindOwnedDialog(main(), "Qor Statistics")) != nullptr; },
                     kDeadline))
            ADD_FAILURE() << "the Statistics dialog did not appear";
        return dialog;
    }
    void StartConnected() {
        DriverPlays(SCENARIO_CALL);
        ASSERT_NE(StartPanel(), nullptr);
        const std::string connected = "Data - V.34|Connected LAPM V.42bis at 28800 bps";
        ASSERT_EQ(StatusEventually(connected), connected);
    }
};

// The figures-controlled set.
constexpr int kFigures[] = {IDC_RTS_SET,       IDC_RTS_SLIDER,     IDC_RTS_REQUESTED,
                            IDC_TASKER_LOOPS,  IDC_TASKER_RUNTIME, IDC_RTS_ASYNC,
                            IDC_RTS_FREQUENCY, IDC_DTE_TX_TEXT,    IDC_DTE_TX_BAR,
                            IDC_DTE_RX_TEXT,   IDC_DTE_RX_BAR,     IDC_DCE_TX_TEXT,
                            IDC_DCE_TX_BAR,    IDC_DCE_RX_TEXT,    IDC_DCE_RX_BAR,
                            IDC_QIN_TEXT,      IDC_QIN_BAR,        IDC_QOUT_TEXT,
                            IDC_QOUT_BAR};

int EnabledFigures(HWND dialog) {
    int enabled = 0;
    for (const int id : kFigures) enabled += IsWindowEnabled(GetDlgItem(dialog, id)) ? 1 : 0;
    return enabled;
}

TEST_F(PanelStatisticsTest, WithoutADriverTheFiguresAreGreyAndUntouched) {
    DriverPlays(SCENARIO_GONE);
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(SettingWrite("StatisticsX", "260"));
    ASSERT_TRUE(SettingWrite("StatisticsY", "180"));
    HWND dialog = OpenStatistics();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Qor Statistics (Modem Inactive)");
    EXPECT_EQ(EnabledFigures(dialog), 0);
    EXPECT_EQ(ControlText(dialog, IDC_DTE_TX_TEXT), "0 of 0");
    EXPECT_EQ(ControlText(dialog, IDC_RTS_FREQUENCY), "0");
    EXPECT_EQ(ControlText(dialog, IDC_RTS_REQUESTED), "30");
    EXPECT_EQ(WindowCorner(dialog), "(260, 180)");
}

struct BufferRow {
    int textId, barId;
    const char* text;
    int size, level;
};

TEST_F(PanelStatisticsTest, ShowsTheDriversFiguresDuringACall) {
    StartConnected();
    HWND dialog = OpenStatistics();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Eventually([&] { return WindowText(dialog); }, "Qor Statistics "), "Qor Statistics ");
    EXPECT_EQ(EnabledFigures(dialog), static_cast<int>(std::size(kFigures)));

    const BufferRow rows[] = {
        {IDC_DTE_TX_TEXT, IDC_DTE_TX_BAR, " 312 of 1024      30%", 1024, 312},
        {IDC_DTE_RX_TEXT, IDC_DTE_RX_BAR, "  12 of 1024      1%", 1024, 12},
        {IDC_DCE_TX_TEXT, IDC_DCE_TX_BAR, " 640 of 2048      31%", 2048, 640},
        {IDC_DCE_RX_TEXT, IDC_DCE_RX_BAR, "   0 of    0      0%", 0, 0},
        {IDC_QIN_TEXT, IDC_QIN_BAR, "   3 of   64      4%", 64, 3},
        {IDC_QOUT_TEXT, IDC_QOUT_BAR, "   9 of   64      14%", 64, 9},
    };
    for (const BufferRow& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Eventually([&] { return ControlText(dialog, row.textId); }, row.text), row.text);
        HWND bar = GetDlgItem(dialog, row.barId);
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), row.size);
        EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), row.level);
    }
    EXPECT_EQ(ControlText(dialog, IDC_RTS_FREQUENCY), "20 ms");
    EXPECT_EQ(ControlText(dialog, IDC_RTS_ASYNC), "3 ms");
    EXPECT_EQ(ControlText(dialog, IDC_TASKER_RUNTIME), "11 ms");
    EXPECT_EQ(ControlText(dialog, IDC_TASKER_LOOPS), "980 ");
    // The slider starts at the driver's 20 ms: position 20 / 5 - 1.
    HWND slider = GetDlgItem(dialog, IDC_RTS_SLIDER);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 3);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 9);
    EXPECT_EQ(ControlText(dialog, IDC_RTS_REQUESTED), "20");
}

// The RTS request the driver took last, as its 10 bytes.
std::vector<unsigned char> RtsRequestFor(unsigned char milliseconds) {
    return {0, 0, 0, 0, milliseconds, 0, 0, 0, 4, 0};
}

TEST_F(PanelStatisticsTest, SetRtsValueSendsTheRequestedValueToTheDriver) {
    StartConnected();
    HWND dialog = OpenStatistics();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(Eventually([&] { return ControlText(dialog, IDC_RTS_FREQUENCY); }, "20 ms"), "20 ms");
    const auto lastRequest = [&] { return driver_.LastRtsRequest(); };

    // Untouched, the slider's shown position does not count: 30 is sent.
    PostMessageA(dialog, WM_COMMAND, IDC_RTS_SET, 0);
    EXPECT_EQ(Eventually(lastRequest, std::optional(RtsRequestFor(30))), RtsRequestFor(30));
    EXPECT_EQ(driver_.RtsRequests(), 1u);

    // The slider moved to its left end, as a user drags it: 5 ms.
    HWND slider = GetDlgItem(dialog, IDC_RTS_SLIDER);
    SendMessageA(slider, TBM_SETPOS, TRUE, 0);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(slider));
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(Eventually([&] { return ControlText(dialog, IDC_RTS_REQUESTED); }, "5"), "5");
    PostMessageA(dialog, WM_COMMAND, IDC_RTS_SET, 0);
    EXPECT_EQ(Eventually(lastRequest, std::optional(RtsRequestFor(5))), RtsRequestFor(5));
    EXPECT_EQ(driver_.RtsRequests(), 2u);
    // The driver now works at 5 ms and says so.
    EXPECT_EQ(Eventually([&] { return ControlText(dialog, IDC_RTS_FREQUENCY); }, "5 ms"), "5 ms");
}

TEST_F(PanelStatisticsTest, TheUninstallMessageClosesTheDialogAndEndsTheProgram) {
    DriverPlays(SCENARIO_GONE);
    ASSERT_NE(StartPanel(), nullptr);
    HWND dialog = OpenStatistics();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SetWindowPos(dialog, nullptr, 300, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(SetWindowPos(main(), nullptr, 180, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER));

    const UINT uninstalled = RegisterWindowMessageA(UNINSTALL_MESSAGE);
    ASSERT_NE(uninstalled, 0u);
    ASSERT_TRUE(PostMessageA(HWND_BROADCAST, uninstalled, 0, 0));
    EXPECT_EQ(panel_.WaitForExit(kDeadline), std::optional<DWORD>(0));
    EXPECT_EQ(SettingRead("StatisticsX"), "300");
    EXPECT_EQ(SettingRead("StatisticsY"), "220");
    EXPECT_EQ(SettingRead("PanelX"), "180");
    EXPECT_EQ(SettingRead("PanelY"), "140");
}

}  // namespace
}  // namespace qor::test
