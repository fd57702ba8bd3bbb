// The main window: the class "QORAPPL", whose window procedure receives every
// message of the window made from template 101 and hands each to the program.
#pragma once

#include <windows.h>

namespace qor {

class PanelProgram;

// Registers the class with menuId as its menu; program receives the messages of
// every window of the class from then on. False when the class was refused.
bool MainWindowRegister(HINSTANCE instance, int menuId, PanelProgram& program);
// The main window from template 101, hidden; null when it could not be made.
HWND MainWindowCreate(HINSTANCE instance);

}  // namespace qor
