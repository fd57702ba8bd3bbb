// Placing a window centred over another, kept inside the screen's work area.
#pragma once

#include "window_ops.h"

namespace qor {

// Centres window over other (halves rounded toward zero), then pulls it back inside
// the work area (the whole screen when the system gives none): a start before the
// area's start moves to it, otherwise an end beyond the area's end moves back to it.
// The size and z-order are kept. A rectangle that cannot be read leaves the window
// where it is.
void WindowCenter(WindowOps& windows, WindowHandle window, WindowHandle other);

}  // namespace qor
