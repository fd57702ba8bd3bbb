#include "tray_icon.h"

namespace qor {

TrayAction TrayNotify(unsigned iconId, unsigned mouseMessage) {
    if (iconId != ID_TRAY_ICON) return TrayAction::None;
    switch (mouseMessage) {
        case MOUSE_RIGHT_DOWN: return TrayAction::ShowMenu;
        case MOUSE_LEFT_DOUBLE_CLICK: return TrayAction::Open;
        default: return TrayAction::None;
    }
}

}  // namespace qor
