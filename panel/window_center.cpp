#include "window_center.h"

namespace qor {

namespace {

// One axis: the centred start, clamped to [areaStart, areaEnd) for a window of size.
long CenteredStart(long otherStart, long otherSize, long size, long areaStart, long areaEnd) {
    // Integer division rounds toward zero, also for a window larger than the other.
    const long start = otherStart + (otherSize - size) / 2;
    if (start < areaStart) return areaStart;
    if (start + size > areaEnd) return areaEnd - size;
    return start;
}

}  // namespace

void WindowCenter(WindowOps& windows, WindowHandle window, WindowHandle other) {
    ScreenRect own;
    ScreenRect over;
    if (!windows.GetScreenRect(window, &own) || !windows.GetScreenRect(other, &over)) return;
    ScreenRect area;
    if (!windows.GetWorkArea(&area)) {
        area = ScreenRect{0, 0, windows.ScreenWidth(), windows.ScreenHeight()};
    }
    const long x = CenteredStart(over.left, over.right - over.left, own.right - own.left,
                                 area.left, area.right);
    const long y = CenteredStart(over.top, over.bottom - over.top, own.bottom - own.top,
                                 area.top, area.bottom);
    windows.Move(window, x, y);
}

}  // namespace qor
