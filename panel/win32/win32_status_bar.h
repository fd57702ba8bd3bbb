// The main window's status bar: created at the bottom of the window with its two
// parts.
#pragma once

#include <windows.h>

namespace qor {

// A visible child of window, clipping its siblings, with the id IDC_STATUS_BAR and
// the text " ", its two parts laid out on window's client width. Null when the
// control could not be created.
HWND StatusBarCreate(HWND window);

}  // namespace qor
