// The program's icon resources, each loaded as its own copy so that destroying it is
// right (a shared icon from LoadIconA must not be destroyed).
#pragma once

#include <windows.h>

#include "icon_table.h"

namespace qor {

class Win32Icons : public Icons {
public:
    explicit Win32Icons(HINSTANCE instance) : instance_(instance) {}

    // LoadImageA at the resource's own size, not shared.
    IconHandle IconLoad(int resourceId) override;
    // DestroyIcon.
    void IconDestroy(IconHandle icon) override;

private:
    HINSTANCE instance_;
};

}  // namespace qor
