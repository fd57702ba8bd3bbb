#include "main_window.h"

#include <commctrl.h>

#include "install_layout.h"
#include "panel_messages.h"
#include "panel_program.h"
#include "panel_resources.h"

namespace qor {

namespace {

// The dialog manager creates the window without a creation parameter, so the
// procedure cannot be handed its program through it; one program runs per process.
PanelProgram* g_program = nullptr;

LRESULT ControlColour(PanelProgram& program, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam) {
    HBRUSH brush =
        program.ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    if (brush == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT SystemCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // The low four bits are the system's own.
    switch (wParam & 0xFFF0) {
        case SC_SIZE: return 0;
        case SC_MAXIMIZE: ShowWindow(window, SW_SHOWNORMAL); return 0;
        default: return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_program == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    PanelProgram& program = *g_program;
    if (program.IsUninstallMessage(message)) {
        program.Command(ID_EXIT);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE: program.PanelCreate(window); return 0;
        case WM_DESTROY: program.Destroyed(); return 0;
        case WM_CLOSE: program.Close(); return 1;
        case WM_SYSCOLORCHANGE: program.SystemColoursChanged(); return 0;
        case WM_NOTIFY: LampToolTextAnswer(lParam); return 0;
        case WM_COMMAND: program.Command(LOWORD(wParam)); return 0;
        case WM_SYSCOMMAND: return SystemCommand(window, wParam, lParam);
        case WM_TIMER: program.Timer(wParam); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return ControlColour(program, window, message, wParam, lParam);
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: program.MouseRelay(window, message, wParam, lParam); return 0;
        case WM_POWERBROADCAST:
            program.PowerEvent(wParam);
            // TRUE grants a suspend query: the panel never stands in the way of one.
            return TRUE;
        case WM_PANEL_TRAY: program.TrayNotified(wParam, lParam); return 0;
        case WM_PANEL_SHOW: program.ShowRequested(); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool MainWindowRegister(HINSTANCE instance, int menuId, PanelProgram& program) {
    g_program = &program;
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PANEL));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(menuId);
    windowClass.lpszClassName = PANEL_WINDOW_CLASS;
    return RegisterClassExA(&windowClass) != 0;
}

HWND MainWindowCreate(HINSTANCE instance) {
    // No dialog procedure: the template's class makes MainWindowProcedure the window's.
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PANEL), nullptr, nullptr, 0);
}

}  // namespace qor
