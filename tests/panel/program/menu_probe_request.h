// The request that a test hands to the menu probe library inside another process.
#pragma once

#include <windows.h>

namespace qor::test {

// The name under which the library exports its entry, a thread procedure that takes
// a MenuProbeRequest in the target's memory and fills in state.
inline constexpr const char* MENU_PROBE_LIBRARY = "panel_menu_probe.dll";
inline constexpr const char* MENU_PROBE_ENTRY = "MenuProbeRun";

struct MenuProbeRequest {
    HWND window;
    UINT commandId;
    UINT state;  // GetMenuState(GetMenu(window), commandId, MF_BYCOMMAND); 0xFFFFFFFF: no such item
};

}  // namespace qor::test
