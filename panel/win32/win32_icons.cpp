#include "win32_icons.h"

namespace qor {

IconHandle Win32Icons::IconLoad(int resourceId) {
    return LoadImageA(instance_, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
}

void Win32Icons::IconDestroy(IconHandle icon) { DestroyIcon(static_cast<HICON>(icon)); }

}  // namespace qor
