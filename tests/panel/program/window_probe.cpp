#include "window_probe.h"

#include <cstdio>

namespace qor::test {

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

struct DialogSearch {
    HWND owner;
    const std::string* captionStart;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    if (WindowText(window).compare(0, search->captionStart->size(), *search->captionStart) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::string WindowText(HWND window) {
    char text[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length))
        return "";
    text[sizeof text - 1] = '\0';
    return text;
}

std::string ControlText(HWND dialog, int controlId) {
    return WindowText(GetDlgItem(dialog, controlId));
}

HWND FindOwnedDialog(HWND owner, const std::string& captionStart) {
    DialogSearch search{owner, &captionStart, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowCorner(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return "(no window)";
    char text[48];
    std::snprintf(text, sizeof text, "(%ld, %ld)", rect.left, rect.top);
    return text;
}

bool IsTopMost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

COLORREF ScreenColourAtCentre(HWND control) {
    RECT rect{};
    if (!GetWindowRect(control, &rect)) return CLR_INVALID;
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool IsRed(COLORREF colour) {
    return colour != CLR_INVALID && GetRValue(colour) >= 160 && GetGValue(colour) < 96 &&
           GetBValue(colour) < 96;
}

}  // namespace qor::test
