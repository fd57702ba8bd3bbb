// The tool tips over the lamps of the main window: one tool per lamp, whose text
// the window supplies when the tool-tip control asks for it.
#pragma once

#include <windows.h>

namespace qor {

class LampToolTips {
public:
    LampToolTips() = default;
    LampToolTips(const LampToolTips&) = delete;
    LampToolTips& operator=(const LampToolTips&) = delete;

    // Creates and activates the tool-tip window owned by window and registers the
    // seven lamp tools. Without the window there are no tips; false then.
    bool Create(HINSTANCE instance, HWND window);
    // A mouse message of the main window, passed on for relaying (time 0). The right
    // button beeps. Nothing without the tool-tip window.
    void Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool Exists() const { return tips_ != nullptr; }

private:
    HWND tips_ = nullptr;
};

// WM_NOTIFY of the main window: a tool-tip text request (TTN_NEEDTEXTA) of a lamp
// tool is answered in the request's own buffer; anything else is left alone.
void LampToolTextAnswer(LPARAM notification);

}  // namespace qor
