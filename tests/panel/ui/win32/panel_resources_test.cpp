// The program's resources as Windows loads them: menus, accelerators, pictures,
// the version, and the three dialog templates created for real.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_resources.h"

namespace {

struct Item {
    std::string text;  // "" for a separator
    UINT id;           // 0 for a separator
};

std::vector<Item> PopupItems(HMENU bar, int position) {
    HMENU popup = GetSubMenu(bar, position);
    std::vector<Item> items;
    if (popup == nullptr) return items;
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.push_back({text, GetMenuItemID(popup, i)});
    }
    return items;
}

std::string PopupText(HMENU bar, int position) {
    char text[64] = {};
    GetMenuStringA(bar, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

bool RightJustified(HMENU bar, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    return GetMenuItemInfoA(bar, static_cast<UINT>(position), TRUE, &info) &&
           (info.fType & MFT_RIGHTJUSTIFY) != 0;
}

bool operator==(const Item& a, const Item& b) { return a.text == b.text && a.id == b.id; }

const std::vector<Item> FILE_ITEMS{{"&Configure...\t(F3)", ID_CONFIGURE},
                                   {"&Statistics...\t(F2)", ID_STATISTICS},
                                   {"", 0},
                                   {"E&xit", ID_EXIT}};
const std::vector<Item> HELP_ITEMS{{"&About...\t(F1)", ID_ABOUT}};

TEST(PanelResources, WindowMenus) {
    HMENU normal = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_PANEL));
    HMENU trayOnly = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_PANEL_TRAY_ONLY));
    ASSERT_NE(normal, nullptr);
    ASSERT_NE(trayOnly, nullptr);
    for (HMENU bar : {normal, trayOnly}) {
        ASSERT_EQ(GetMenuItemCount(bar), 3);
        EXPECT_EQ(PopupText(bar, 0), "&File");
        EXPECT_EQ(PopupText(bar, 1), "&Window");
        EXPECT_EQ(PopupText(bar, 2), "&Help");
        EXPECT_EQ(PopupItems(bar, 0), FILE_ITEMS);
        EXPECT_EQ(PopupItems(bar, 2), HELP_ITEMS);
        EXPECT_FALSE(RightJustified(bar, 1));
        EXPECT_TRUE(RightJustified(bar, 2));
    }
    EXPECT_EQ(PopupItems(normal, 1), (std::vector<Item>{{"&Always on Top", ID_TOPMOST},
                                                        {"", 0},
                                                        {"Start as &Window", ID_START_WINDOW},
                                                        {"Start as Tray &Icon Only", ID_START_TRAY}}));
    EXPECT_EQ(PopupItems(trayOnly, 1), (std::vector<Item>{{"&Always on Top", ID_TOPMOST}}));
    DestroyMenu(normal);
    DestroyMenu(trayOnly);
}

TEST(PanelResources, NotificationMenu) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(PopupText(menu, 0), "Pop Up Menu");
    EXPECT_EQ(PopupItems(menu, 0), (std::vector<Item>{{"&Open", ID_OPEN},
                                                      {"&About...", ID_ABOUT},
                                                      {"", 0},
                                                      {"&Configure...", ID_CONFIGURE},
                                                      {"&Statistics...", ID_STATISTICS},
                                                      {"", 0},
                                                      {"E&xit", ID_EXIT}}));
    DestroyMenu(menu);
}

TEST(PanelResources, AcceleratorsAreVirtualKeysThatLeaveTheMenuBarAlone) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_PANEL));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8] = {};
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 8), 4);
    const WORD keys[] = {VK_F1, VK_F2, VK_F3, VK_ESCAPE};
    const WORD commands[] = {ID_ABOUT, ID_STATISTICS, ID_CONFIGURE, ID_MINIMIZE};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].key, keys[i]);
        EXPECT_EQ(entries[i].cmd, commands[i]);
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT);
    }
    DestroyAcceleratorTable(table);
}

TEST(PanelResources, IconsAre32By32AndLampsAre10By10) {
    for (int id : {IDI_PANEL, IDI_ABOUT_RED, IDI_ABOUT_FIRST, IDI_ABOUT_MIDDLE, IDI_ABOUT_LAST,
                   IDI_TRAY_IDLE, IDI_TRAY_ACTIVE, IDI_TRAY_CONNECTED, IDI_TRAY_DISCONNECTING,
                   IDI_TRAY_RETRAINING}) {
        HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        ASSERT_NE(icon, nullptr) << id;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << id;
        BITMAP colour{};
        ASSERT_NE(GetObjectA(info.hbmColor, sizeof colour, &colour), 0) << id;
        EXPECT_EQ(colour.bmWidth, 32) << id;
        EXPECT_EQ(colour.bmHeight, 32) << id;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    for (int id : {IDB_LAMP_OFF, IDB_LAMP_ON}) {
        HBITMAP lamp = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        ASSERT_NE(lamp, nullptr) << id;
        BITMAP bits{};
        ASSERT_NE(GetObjectA(lamp, sizeof bits, &bits), 0);
        EXPECT_EQ(bits.bmWidth, 10);
        EXPECT_EQ(bits.bmHeight, 10);
        DeleteObject(lamp);
    }
}

TEST(PanelResources, VersionNamesTheProgram) {
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_NE(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
    char* name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\OriginalFilename",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, "QORPANEL.EXE");
}

// Dialogs created from the templates, their controls looked at.
class PanelDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS;
        InitCommonControlsEx(&controls);
        // The main window's template names its class; a dialog class needs the
        // dialog manager's extra bytes and its procedure.
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefDlgProcA;
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QORAPPL";
        RegisterClassExA(&windowClass);
    }

    static INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }

    HWND Create(int id, DLGPROC procedure) {
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                                     procedure, 0);
        return dialog_;
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
    }

    std::string ClassOf(int id) {
        char name[64] = {};
        GetClassNameA(GetDlgItem(dialog_, id), name, sizeof name);
        return name;
    }
    std::string TextOf(int id) {
        char text[128] = {};
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }
    LONG StyleOf(int id) { return GetWindowLongA(GetDlgItem(dialog_, id), GWL_STYLE); }
    // The client size the template's dialog units give.
    void ExpectClientSize(int width, int height) {
        RECT units{0, 0, width, height};
        MapDialogRect(dialog_, &units);
        RECT client{};
        GetClientRect(dialog_, &client);
        EXPECT_EQ(client.right, units.right);
        EXPECT_EQ(client.bottom, units.bottom);
    }

    HWND dialog_ = nullptr;
};

TEST_F(PanelDialogs, MainWindowIsHiddenWithDisabledFramesAndHiddenZones) {
    ASSERT_NE(Create(IDD_PANEL, nullptr), nullptr);
    char text[64] = {};
    GetWindowTextA(dialog_, text, sizeof text);
    EXPECT_STREQ(text, "Orvanta Modem Status Utility");
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_NE(GetWindowLongA(dialog_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(GetWindowLongA(dialog_, GWL_STYLE) & WS_MINIMIZEBOX, 0);
    ExpectClientSize(213, 59);
    EXPECT_EQ(TextOf(IDC_LABELS_DTR_RTS), "DTR      RTS");
    EXPECT_EQ(TextOf(IDC_LABELS_OTHERS), "DSR      CTS       CD     RING      OH");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, IDC_LABELS_DTR_RTS)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, IDC_LABELS_OTHERS)));
    for (int lamp : {IDC_LAMP_DTR, IDC_LAMP_RTS, IDC_LAMP_DSR, IDC_LAMP_CTS, IDC_LAMP_CD,
                     IDC_LAMP_RING, IDC_LAMP_OH}) {
        EXPECT_EQ(StyleOf(lamp) & SS_TYPEMASK, SS_BITMAP) << lamp;
        EXPECT_NE(SendDlgItemMessageA(dialog_, lamp, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << lamp;
    }
    for (int zone : {IDC_ZONE_DTR, IDC_ZONE_RTS, IDC_ZONE_DSR, IDC_ZONE_CTS, IDC_ZONE_CD,
                     IDC_ZONE_RING, IDC_ZONE_OH}) {
        EXPECT_EQ(StyleOf(zone) & (WS_VISIBLE | WS_DISABLED), WS_DISABLED) << zone;
    }
    EXPECT_EQ(StyleOf(IDC_TIP_ORIGIN) & (WS_VISIBLE | WS_DISABLED), 0);
}

TEST_F(PanelDialogs, StatisticsHasItsBarsSliderAndTexts) {
    ASSERT_NE(Create(IDD_STATISTICS, Procedure), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    ExpectClientSize(241, 178);
    for (int bar : {IDC_DTE_TX_BAR, IDC_DTE_RX_BAR, IDC_DCE_TX_BAR, IDC_DCE_RX_BAR, IDC_QIN_BAR,
                    IDC_QOUT_BAR}) {
        EXPECT_STRCASEEQ(ClassOf(bar).c_str(), "msctls_progress32") << bar;
    }
    EXPECT_STRCASEEQ(ClassOf(IDC_RTS_SLIDER).c_str(), "msctls_trackbar32");
    EXPECT_NE(StyleOf(IDC_RTS_SLIDER) & TBS_AUTOTICKS, 0);
    for (int text : {IDC_DTE_TX_TEXT, IDC_DTE_RX_TEXT, IDC_DCE_TX_TEXT, IDC_DCE_RX_TEXT,
                     IDC_QIN_TEXT, IDC_QOUT_TEXT}) {
        EXPECT_EQ(TextOf(text), "0 of 0") << text;
    }
    for (int figure : {IDC_RTS_FREQUENCY, IDC_RTS_ASYNC, IDC_TASKER_RUNTIME, IDC_TASKER_LOOPS}) {
        EXPECT_EQ(TextOf(figure), "0") << figure;
    }
    EXPECT_EQ(TextOf(IDC_RTS_REQUESTED), "30");
    EXPECT_EQ(TextOf(IDC_RTS_SET), "Set RTS Value");
    EXPECT_NE(StyleOf(IDC_RTS_SET) & BS_DEFPUSHBUTTON, 0);
}

TEST_F(PanelDialogs, AboutShowsTheRedFrameUntilTheFirstTick) {
    ASSERT_NE(Create(IDD_ABOUT, Procedure), nullptr);
    char text[64] = {};
    GetWindowTextA(dialog_, text, sizeof text);
    EXPECT_STREQ(text, "About Qor Front Panel");
    ExpectClientSize(192, 119);
    EXPECT_EQ(StyleOf(IDC_ABOUT_PICTURE) & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(SendDlgItemMessageA(dialog_, IDC_ABOUT_PICTURE, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(TextOf(IDOK), "OK");
    for (int id : {IDC_ABOUT_TITLE, IDC_ABOUT_VERSION, IDC_ABOUT_NOTICE_1, IDC_ABOUT_NOTICE_2}) {
        EXPECT_NE(GetDlgItem(dialog_, id), nullptr) << id;
    }
}

}  // namespace
