#include "window_placement.h"

#include <cstdio>
#include <string>

namespace qor {

namespace {

constexpr const char* VALUE_STARTUP = "Startup";
constexpr const char* VALUE_ALWAYS_ON_TOP = "AlwaysOnTop";

std::string CoordinateValueName(const char* windowName, char axis) {
    return std::string(windowName) + axis;
}

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

}  // namespace

void WindowPlacement::ReportBadParameter(const char* caption, const char* text) {
    boxes_.Show(caption, text, BoxButtons::Ok, BoxIcon::Information);
}

void WindowPlacement::WriteCoordinate(const char* windowName, char axis, long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%ld", value);
    registry_.WriteRegStr(CoordinateValueName(windowName, axis).c_str(), text);
}

int WindowPlacement::ReadCoordinate(const char* windowName, char axis) {
    const int value = registry_.ReadRegNum(CoordinateValueName(windowName, axis).c_str(), 0);
    return value < 0 || value > POSITION_LIMIT ? 0 : value;
}

void WindowPlacement::WindowSavePosition(WindowHandle window, const char* windowName) {
    if (window == nullptr || IsEmpty(windowName)) {
        ReportBadParameter("WindowSavePosition", "Bad parameters!");
        return;
    }
    // A minimized window's rectangle is the icon's, not where the window stands; a
    // rectangle that cannot be read would store garbage. Both keep the old values.
    ScreenRect rect;
    if (!windows_.IsMinimized(window) && windows_.GetScreenRect(window, &rect)) {
        WriteCoordinate(windowName, 'X', rect.left);
        WriteCoordinate(windowName, 'Y', rect.top);
    }
    if (window != state_.mainWindow) return;
    char text[16];
    if (state_.trayOnlySwitch == 0) {
        std::snprintf(text, sizeof text, "%d", state_.startMode);
        registry_.WriteRegStr(VALUE_STARTUP, text);
    }
    std::snprintf(text, sizeof text, "%d", state_.topMost);
    registry_.WriteRegStr(VALUE_ALWAYS_ON_TOP, text);
}

void WindowPlacement::WindowGetPosition(WindowHandle window, const char* windowName) {
    constexpr const char* caption = "WindowGetPosition";
    if (window == nullptr) {
        ReportBadParameter(caption, "Bad parameter!  hDlg=0");
        return;
    }
    if (windowName == nullptr) {
        ReportBadParameter(caption, "Bad parameter!  szWindowName=0");
        return;
    }
    if (windowName[0] == '\0') {
        ReportBadParameter(caption, "Bad parameter!  szWindowName NULL");
        return;
    }
    const int x = ReadCoordinate(windowName, 'X');
    const int y = ReadCoordinate(windowName, 'Y');
    if (window == state_.mainWindow) {
        state_.startMode = registry_.ReadRegNum(VALUE_STARTUP, START_AS_WINDOW);
        StartModeChecksSet(windows_, state_);
        state_.topMost = registry_.ReadRegNum(VALUE_ALWAYS_ON_TOP, 0);
        TopMostApply(windows_, state_);
    }
    windows_.Move(window, x, y);
}

}  // namespace qor
