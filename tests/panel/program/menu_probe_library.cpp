// Loaded into the front panel's process by a test: there, and only there, the
// window's menu can be asked for its items' check marks.
#include "menu_probe_request.h"

extern "C" __declspec(dllexport) DWORD WINAPI MenuProbeRun(void* parameter) {
    auto* request = static_cast<qor::test::MenuProbeRequest*>(parameter);
    HMENU menu = GetMenu(request->window);
    if (menu == nullptr) return 0;
    request->state = GetMenuState(menu, request->commandId, MF_BYCOMMAND);
    return 1;
}
