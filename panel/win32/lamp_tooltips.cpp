#include "lamp_tooltips.h"

#include <commctrl.h>

#include "lamp_tips.h"
#include "panel_resources.h"

namespace qor {

namespace {

// The zone's rectangle relative to the top-left corner of the hidden origin frame.
bool ToolRect(HWND window, int zoneId, const RECT& origin, RECT* rect) {
    RECT zone{};
    if (!GetWindowRect(GetDlgItem(window, zoneId), &zone)) return false;
    OffsetRect(&zone, -origin.left, -origin.top);
    *rect = zone;
    return true;
}

}  // namespace

bool LampToolTips::Create(HINSTANCE instance, HWND window) {
    tips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                            instance, nullptr);
    if (tips_ == nullptr) return false;
    SendMessageA(tips_, TTM_ACTIVATE, TRUE, 0);
    RECT origin{};
    GetWindowRect(GetDlgItem(window, IDC_TIP_ORIGIN), &origin);
    for (const LampTool& tool : LAMP_TOOLS) {
        TOOLINFOA info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_CENTERTIP;
        info.hwnd = window;
        info.uId = tool.toolId;
        info.hinst = instance;
        info.lpszText = LPSTR_TEXTCALLBACKA;
        // A zone the template lacks gets no tool rather than one at a wrong place.
        if (!ToolRect(window, tool.zoneId, origin, &info.rect)) continue;
        SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

void LampToolTips::Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (tips_ == nullptr) return;
    if (message == WM_RBUTTONDOWN) MessageBeep(MB_OK);
    MSG relayed{};
    relayed.hwnd = window;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void LampToolTextAnswer(LPARAM notification) {
    auto* header = reinterpret_cast<NMHDR*>(notification);
    if (header == nullptr || static_cast<int>(header->code) != TOOL_TIP_TEXT_REQUEST) return;
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(notification);
    if (LampToolText(static_cast<unsigned>(header->idFrom)) == nullptr) return;
    request->lpszText = request->szText;
    LampToolTextCopy(static_cast<unsigned>(header->idFrom), request->szText,
                     sizeof request->szText);
}

}  // namespace qor
