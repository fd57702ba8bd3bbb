#include "panel_program.h"

#include <commctrl.h>

#include "install_layout.h"
#include "main_window.h"
#include "panel_messages.h"
#include "panel_resources.h"
#include "panel_start.h"
#include "poll_timer.h"
#include "tray_icon.h"
#include "win32_status_bar.h"

namespace qor {

namespace {

constexpr WPARAM POWER_SUSPEND = 4;  // PBT_APMSUSPEND
constexpr WPARAM POWER_RESUME = 7;   // PBT_APMRESUMESUSPEND

}  // namespace

int PanelProgram::Run(const char* commandLine) {
    switch (Start(commandLine)) {
        case StartResult::HandedOver: return 0;
        case StartResult::Failed: End(); return 1;
        case StartResult::Running: break;
    }
    const int code = MessageLoop();
    End();
    return code;
}

PanelProgram::StartResult PanelProgram::Start(const char* commandLine) {
    if (HWND running = FindWindowA(PANEL_WINDOW_CLASS, nullptr); running != nullptr) {
        HandOver(running);
        return StartResult::HandedOver;
    }
    InitCommonControls();
    HWND window = MainWindowRegister(instance_, PanelMenuId(commandLine), *this)
                      ? MainWindowCreate(instance_)
                      : nullptr;
    if (window == nullptr) return StartResult::Failed;
    tips_.Create(instance_, window);
    timer_.emplace(window);
    monitor_.emplace(link_, outputs_, *timer_, statistics_);
    statistics_.AttachMonitor(*monitor_);
    monitor_->MonitorStart();
    placement_.WindowGetPosition(window, PANEL_WINDOW_NAME);
    TrayOnlySwitchApply(state_, commandLine);
    if (PanelShownAtStart(state_)) ShowWindow(window, SW_SHOWNORMAL);
    return StartResult::Running;
}

void PanelProgram::HandOver(HWND running) {
    if (SecondCopyHandOver(placement_, state_, FromHwnd(running))) {
        PostMessageA(running, WM_PANEL_SHOW, 0, 0);
    }
}

int PanelProgram::MessageLoop() {
    HWND window = MainWindow();
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        // Only a bad window filter fails, and there is none; end rather than spin.
        if (got == -1) return 1;
        HWND dialog = ToHwnd(statistics_.Dialog());
        if (dialog != nullptr && IsDialogMessageA(dialog, &message)) continue;
        if (accelerators_ != nullptr && TranslateAcceleratorA(window, accelerators_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PanelProgram::End() {
    tray_.Remove();
    link_.PortClose();
    trayPictures_.Free();
    about_.AboutIconsFree();
    view_.LampBitmapsFree();
    BrushDelete();
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    accelerators_ = nullptr;
    if (trayMenuBar_ != nullptr) DestroyMenu(trayMenuBar_);
    trayMenuBar_ = nullptr;
    trayMenu_ = nullptr;
    shell_.TrayMenuSet(nullptr);
}

void PanelProgram::PanelCreate(HWND window) {
    // From here on the program's boxes are owned by its window.
    state_.mainWindow = FromHwnd(window);
    view_.LampBitmapsLoad(instance_);
    trayMenuBar_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDM_TRAY));
    trayMenu_ = trayMenuBar_ != nullptr ? GetSubMenu(trayMenuBar_, 0) : nullptr;
    shell_.TrayMenuSet(trayMenu_);
    trayPictures_.Load(TRAY_PICTURES.data(), TRAY_PICTURES.size());
    char tip[TRAY_TIP_SIZE];
    TrayTipFormat("Idle", tip, sizeof tip);
    tray_.Add(window, ID_TRAY_ICON, WM_PANEL_TRAY,
              static_cast<HICON>(trayPictures_.At(TRAY_PICTURE_IDLE)), tip);
    windows_.SetMenuCheck(state_.mainWindow, ID_TOPMOST, state_.topMost != 0);
    view_.Attach(window, StatusBarCreate(window));
    outputs_.StatusBarSetText(0, "Idle");
    outputs_.StatusBarSetText(1, " ");
    outputs_.StatusBarSetSimple(true);
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDA_PANEL));
    BrushCreate();
    EnableMenuItem(GetSystemMenu(window, FALSE), SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    uninstallMessage_ = RegisterWindowMessageA(UNINSTALL_MESSAGE);
}

bool PanelProgram::IsUninstallMessage(UINT message) const {
    return uninstallMessage_ != 0 && message == uninstallMessage_;
}

void PanelProgram::Destroyed() {
    commands_.PanelDestroyed();
    BrushDelete();
}

void PanelProgram::BrushCreate() {
    BrushDelete();
    brush_ = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void PanelProgram::BrushDelete() {
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = nullptr;
}

HBRUSH PanelProgram::ControlColour(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    // The label frames draw their text on the window colour, like the window itself.
    if (id == LAMP_LABELS_FIRST_ID || id == LAMP_LABELS_SECOND_ID) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    }
    return brush_;
}

void PanelProgram::Timer(WPARAM timerId) {
    if (timerId == POLL_TIMER_ID && monitor_) monitor_->MonitorTick();
}

void PanelProgram::PowerEvent(WPARAM event) {
    if (!monitor_) return;
    if (event == POWER_SUSPEND) monitor_->Timer().TimerStop();
    if (event == POWER_RESUME) monitor_->Timer().TimerStart();
}

void PanelProgram::TrayNotified(WPARAM iconId, LPARAM mouseMessage) {
    HWND window = ToHwnd(state_.mainWindow);
    switch (TrayNotify(static_cast<unsigned>(iconId), static_cast<unsigned>(mouseMessage))) {
        case TrayAction::ShowMenu: {
            // In front first, or the menu would not close when the user clicks elsewhere.
            SetForegroundWindow(window);
            POINT cursor{};
            GetCursorPos(&cursor);
            if (trayMenu_ != nullptr) {
                TrackPopupMenu(trayMenu_, TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                               window, nullptr);
            }
            // Lets the shell see the menu closed before the next click on the icon.
            PostMessageA(window, WM_PANEL_USER, 0, 0);
            break;
        }
        case TrayAction::Open: PostMessageA(window, WM_COMMAND, ID_OPEN, 0); break;
        case TrayAction::None: break;
    }
}

void PanelProgram::ShowRequested() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    const bool read = GetWindowPlacement(ToHwnd(state_.mainWindow), &placement) != FALSE;
    if (PanelShowRestores(read, placement.showCmd)) shell_.MainWindowRestore();
}

}  // namespace qor
