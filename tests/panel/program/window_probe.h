// Windows of another process as a user sees them: texts, place, show state, the
// dialogs it owns and the colour of what is drawn on the screen.
#pragma once

#include <windows.h>

#include <string>

namespace qor::test {

// WM_GETTEXT, which the system carries across processes; "" when it fails.
std::string WindowText(HWND window);
// The text of a dialog's control.
std::string ControlText(HWND dialog, int controlId);

// The visible top-level dialog (class "#32770") owned by owner whose caption
// begins with captionStart; null when there is none.
HWND FindOwnedDialog(HWND owner, const std::string& captionStart);

// The window's outer top-left corner, as "(x, y)", for comparisons that print well.
std::string WindowCorner(HWND window);
bool IsTopMost(HWND window);

// The colour a user sees at the centre of a control, read from the screen; the
// control must not be covered.
COLORREF ScreenColourAtCentre(HWND control);
// A strong red, as the lit lamp is drawn.
bool IsRed(COLORREF colour);

}  // namespace qor::test
