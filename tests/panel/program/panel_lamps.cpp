#include "panel_lamps.h"

#include "panel_resources.h"
#include "window_probe.h"

namespace qor::test {

namespace {

struct LampControl {
    int id;
    const char* signal;
};

// In the order in which they stand in the window, left to right.
constexpr LampControl kLamps[] = {
    {IDC_LAMP_DTR, "DTR"}, {IDC_LAMP_RTS, "RTS"},   {IDC_LAMP_DSR, "DSR"}, {IDC_LAMP_CTS, "CTS"},
    {IDC_LAMP_CD, "CD"},   {IDC_LAMP_RING, "RING"}, {IDC_LAMP_OH, "OH"},
};

}  // namespace

std::string LitLamps(HWND mainWindow) {
    std::string lit;
    for (const LampControl& lamp : kLamps) {
        if (!IsRed(ScreenColourAtCentre(GetDlgItem(mainWindow, lamp.id)))) continue;
        lit += (lit.empty() ? "" : " ") + std::string(lamp.signal);
    }
    return lit;
}

bool LampBitmapsConsistent(HWND mainWindow) {
    LRESULT litImage = 0;
    LRESULT unlitImage = 0;
    for (const LampControl& lamp : kLamps) {
        HWND control = GetDlgItem(mainWindow, lamp.id);
        const LRESULT image = SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0);
        if (image == 0) return false;
        LRESULT& expected = IsRed(ScreenColourAtCentre(control)) ? litImage : unlitImage;
        if (expected == 0) expected = image;
        if (expected != image) return false;
    }
    return litImage != unlitImage;
}

}  // namespace qor::test
