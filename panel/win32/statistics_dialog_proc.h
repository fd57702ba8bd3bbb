// The Statistics dialog's window: template 102, modeless, its dialog procedure over
// the StatisticsDialog logic.
#pragma once

#include <windows.h>

#include <optional>

#include "statistics_dialog.h"
#include "win32_statistics_view.h"

namespace qor {

// What the dialog procedure works on: the logic, and the view of the open dialog,
// which must live as long as the logic's slot holds the dialog.
struct StatisticsWindow {
    StatisticsDialog& logic;
    std::optional<Win32StatisticsView> view;
};

// Creates the dialog owned by owner; the logic fills its slot during the creation.
// Null when the dialog could not be created.
HWND StatisticsWindowCreate(HINSTANCE instance, HWND owner, StatisticsWindow& window);

}  // namespace qor
