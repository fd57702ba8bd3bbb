// The window messages of the main window beside the system's own.
#pragma once

namespace qor {

inline constexpr unsigned WM_PANEL_USER = 1024;  // WM_USER; posted after the tray menu, ignored
inline constexpr unsigned WM_PANEL_TRAY = 1025;  // from the notification icon
inline constexpr unsigned WM_PANEL_SHOW = 1026;  // from a second copy of the program

}  // namespace qor
