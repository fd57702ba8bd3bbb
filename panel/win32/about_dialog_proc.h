// The About box's window: template 113, modal, its dialog procedure over the
// AboutBox logic.
#pragma once

#include <windows.h>

#include <optional>

#include "about_box.h"
#include "win32_about_view.h"

namespace qor {

struct AboutWindow {
    AboutBox& logic;
    std::optional<Win32AboutView> view;
};

// Runs the box modally, owned by owner (centred over it); returns when it closes.
void AboutWindowRun(HINSTANCE instance, HWND owner, AboutWindow& window);

}  // namespace qor
