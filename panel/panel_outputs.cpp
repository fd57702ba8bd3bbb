#include "panel_outputs.h"

#include <cstdio>

#include "lamps.h"

namespace qor {

void PanelOutputs::StatusBarSetText(int part, const char* text) {
    if (text == nullptr) text = "";
    if (part == 0) {
        view_.SetStatusPartText(0, text, TextStyle::Raised);
        view_.SetStatusSimpleText(text, TextStyle::Raised);
    } else if (part == 1) {
        view_.SetStatusPartText(1, text, TextStyle::Default);
    }
}

void PanelOutputs::StatusBarSetSimple(bool on) { view_.SetStatusSimple(on); }

void TrayTipFormat(const char* text, char* tip, std::size_t capacity) {
    std::snprintf(tip, capacity, "%s (%s)", "Modem Status", text != nullptr ? text : "");
}

void PanelOutputs::TrayTipSet(const char* text) {
    char tip[TRAY_TIP_SIZE];
    TrayTipFormat(text, tip, sizeof tip);
    view_.SetTrayTip(tip);
}

void PanelOutputs::TrayIconSet(int index) {
    if (index < 0 || index >= TRAY_PICTURE_COUNT) index = TRAY_PICTURE_IDLE;
    if (!view_.TrayPictureLoaded(index) || index == trayPicture_) return;
    // A refused update leaves the old picture up, so the next request tries again.
    if (view_.SetTrayPicture(index)) trayPicture_ = index;
}

void PanelOutputs::LampSet(int lampId, bool lit) { view_.SetLampBitmap(lampId, lit); }

void PanelOutputs::LampsClear() {
    for (const Lamp& lamp : LAMPS) LampSet(lamp.controlId, false);
}

void PanelOutputs::LampLabelsEnable(bool on) {
    view_.EnableControl(LAMP_LABELS_FIRST_ID, on);
    view_.EnableControl(LAMP_LABELS_SECOND_ID, on);
}

}  // namespace qor
