// Resource, control and command ids of QORPANEL.EXE. Plain macros, because the
// resource compiler reads this header too; the portable logic uses the same ids for
// the commands and controls it talks about.
#pragma once

// Labels and frames that carry no behaviour.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates, menus, accelerators, bitmaps and icons.
#define IDD_PANEL 101
#define IDD_STATISTICS 102
#define IDM_PANEL 103            // window menu of a normal start
#define IDM_PANEL_TRAY_ONLY 104  // window menu when started with the tray-only switch
#define IDB_LAMP_OFF 105
#define IDB_LAMP_ON 106
#define IDI_PANEL 110
#define IDM_TRAY 112             // its first pop-up is the notification menu
#define IDD_ABOUT 113
#define IDA_PANEL 114
#define IDI_ABOUT_RED 118
#define IDI_ABOUT_FIRST 119
#define IDI_ABOUT_MIDDLE 120
#define IDI_ABOUT_LAST 121
#define IDI_TRAY_IDLE 122
#define IDI_TRAY_ACTIVE 123      // originating and answering
#define IDI_TRAY_CONNECTED 125
#define IDI_TRAY_DISCONNECTING 126
#define IDI_TRAY_RETRAINING 127

// Main window (template 101): lamps, their label frames and tool-tip zones.
#define IDC_LAMP_DTR 1000
#define IDC_LAMP_RTS 1001
#define IDC_LAMP_CD 1002
#define IDC_LAMP_RING 1003
#define IDC_ZONE_RTS 1005
#define IDC_LAMP_OH 1006
#define IDC_ZONE_DSR 1007
#define IDC_ZONE_DTR 1008
#define IDC_ZONE_CD 1009
#define IDC_ZONE_RING 1010
#define IDC_ZONE_OH 1011
#define IDC_ZONE_CTS 1012
#define IDC_LAMP_DSR 1013
#define IDC_LAMP_CTS 1014
#define IDC_LABELS_DTR_RTS 1015
#define IDC_TIP_ORIGIN 1016
#define IDC_LABELS_OTHERS 1017
#define IDC_STATUS_BAR 4660
#define ID_TRAY_ICON 4660

// Statistics dialog (template 102).
#define IDC_DTE_TX_BAR 1020
#define IDC_DTE_RX_BAR 1021
#define IDC_DTE_TX_TEXT 1022
#define IDC_DTE_RX_TEXT 1023
#define IDC_DCE_TX_BAR 1024
#define IDC_DCE_TX_TEXT 1025
#define IDC_DCE_RX_BAR 1026
#define IDC_DCE_RX_TEXT 1027
#define IDC_RTS_FREQUENCY 1028
#define IDC_TASKER_RUNTIME 1029
#define IDC_RTS_ASYNC 1030
#define IDC_TASKER_LOOPS 1031
#define IDC_QIN_BAR 1032
#define IDC_QIN_TEXT 1033
#define IDC_QOUT_BAR 1034
#define IDC_QOUT_TEXT 1035
#define IDC_RTS_SLIDER 1037
#define IDC_RTS_REQUESTED 1038
#define IDC_RTS_SET 1039

// About box (template 113).
#define IDC_ABOUT_PICTURE 1041
#define IDC_ABOUT_VERSION 1042
#define IDC_ABOUT_NOTICE_1 1043
#define IDC_ABOUT_NOTICE_2 1044
#define IDC_ABOUT_TITLE 1045

// Commands of the window menu, the notification menu and the accelerators.
#define ID_TOPMOST 40001
#define ID_START_WINDOW 40002
#define ID_START_TRAY 40003
#define ID_EXIT 40019
#define ID_ABOUT 40020
#define ID_OPEN 40021
#define ID_STATISTICS 40024
#define ID_MINIMIZE 40025
#define ID_CONFIGURE 40026
