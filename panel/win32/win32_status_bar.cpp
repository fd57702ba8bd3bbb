#include "win32_status_bar.h"

#include <commctrl.h>

#include "panel_resources.h"
#include "status_bar_layout.h"

namespace qor {

HWND StatusBarCreate(HWND window) {
    HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, " ", window,
                                   IDC_STATUS_BAR);
    if (bar == nullptr) return nullptr;
    RECT client{};
    GetClientRect(window, &client);
    std::array<int, 2> edges = StatusBarEdges(static_cast<int>(client.right - client.left));
    SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    return bar;
}

}  // namespace qor
