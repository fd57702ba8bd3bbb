// The seven lamps of the main window as a user sees them.
#pragma once

#include <windows.h>

#include <string>

namespace qor::test {

// The signal names of the lamps drawn lit, in the window's order (DTR RTS DSR CTS
// CD RING OH), separated by blanks: "DTR RTS DSR CTS"; "" when none is lit. The
// window must be shown and not covered.
std::string LitLamps(HWND mainWindow);

// Whether the lamps show exactly two bitmaps (STM_GETIMAGE): one for every lit lamp
// and another for every unlit one. Meaningful when LitLamps has settled.
bool LampBitmapsConsistent(HWND mainWindow);

}  // namespace qor::test
