// What the monitor and the Statistics dialog show in the main window: the status
// bar texts, the notification icon's tip and picture, the lamps and their frames.
#pragma once

#include <cstddef>

#include "panel_view.h"

namespace qor {

inline constexpr int TRAY_PICTURE_COUNT = 6;
inline constexpr int TRAY_PICTURE_IDLE = 0;
// Shell_NotifyIconA's tip buffer: 63 characters and the zero.
inline constexpr std::size_t TRAY_TIP_SIZE = 64;

// "Modem Status (text)" into tip, cut to capacity - 1 characters; a null text is empty.
void TrayTipFormat(const char* text, char* tip, std::size_t capacity);

inline constexpr int LAMP_LABELS_FIRST_ID = 1015;
inline constexpr int LAMP_LABELS_SECOND_ID = 1017;

class PanelOutputs {
public:
    explicit PanelOutputs(PanelView& view) : view_(view) {}

    // Part 0 also becomes the simple text, both raised; part 1 uses the default
    // style; other parts do nothing.
    void StatusBarSetText(int part, const char* text);
    void StatusBarSetSimple(bool on);
    // "Modem Status (text)", cut to 63 characters.
    void TrayTipSet(const char* text);
    // Index outside 0..5 means 0. Nothing happens when that picture failed to load or
    // is already shown.
    void TrayIconSet(int index);
    void LampSet(int lampId, bool lit);
    // Every lamp unlit, in the lamp table's order.
    void LampsClear();
    void LampLabelsEnable(bool on);

    // The picture the notification icon shows; the window adds the icon with 0.
    int TrayPicture() const { return trayPicture_; }

private:
    PanelView& view_;
    int trayPicture_ = TRAY_PICTURE_IDLE;
};

}  // namespace qor
