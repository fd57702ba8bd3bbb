// Where the main window and the Statistics dialog stood, whether the main window
// stays on top and how the program starts: kept between runs as decimal texts under
// the front panel key.
#pragma once

#include "message_boxes.h"
#include "panel_registry.h"
#include "panel_state.h"
#include "window_ops.h"

namespace qor {

// The names under which the two windows keep their positions ("PanelX", ...).
inline constexpr const char* PANEL_WINDOW_NAME = "Panel";
inline constexpr const char* STATISTICS_WINDOW_NAME = "Statistics";

// Stored coordinates outside 0..POSITION_LIMIT are read as 0.
inline constexpr int POSITION_LIMIT = 8000;

class WindowPlacement {
public:
    WindowPlacement(WindowOps& windows, PanelRegistry& registry, MessageBoxes& boxes,
                    PanelState& state)
        : windows_(windows), registry_(registry), boxes_(boxes), state_(state) {}

    // Stores the window's top-left corner under windowName unless the window is
    // minimized; for the main window also "Startup" (unless this run has the
    // tray-only switch) and "AlwaysOnTop". A null window or an empty name shows
    // "Bad parameters!" and stores nothing.
    void WindowSavePosition(WindowHandle window, const char* windowName);
    // Moves the window to its stored corner (0 for a missing or out-of-range
    // coordinate); for the main window also loads the start mode and the top-most flag
    // and applies them to the menu and the window. Bad arguments show a box and
    // change nothing.
    void WindowGetPosition(WindowHandle window, const char* windowName);

private:
    void ReportBadParameter(const char* caption, const char* text);
    int ReadCoordinate(const char* windowName, char axis);
    void WriteCoordinate(const char* windowName, char axis, long value);

    WindowOps& windows_;
    PanelRegistry& registry_;
    MessageBoxes& boxes_;
    PanelState& state_;
};

}  // namespace qor
