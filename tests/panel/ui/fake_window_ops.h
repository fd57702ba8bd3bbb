// Windows as plain records: rectangles, minimized state, z-order band and menu check
// marks, plus the work area and the screen size.
#pragma once

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "window_ops.h"

namespace qor::test {

struct FakeWindow {
    ScreenRect rect;
    bool rectReadable = true;
    bool minimized = false;
    std::optional<bool> topMost;     // unset until the logic decides
    std::map<int, bool> menuChecks;  // command id -> checked
    std::vector<std::pair<long, long>> moves;
};

class FakeWindowOps : public WindowOps {
public:
    // A window handle for tests: the address of its record.
    WindowHandle Add(FakeWindow& window) { return &window; }

    bool GetScreenRect(WindowHandle window, ScreenRect* rect) override {
        FakeWindow& w = Of(window);
        if (!w.rectReadable) return false;
        *rect = w.rect;
        return true;
    }
    bool IsMinimized(WindowHandle window) override { return Of(window).minimized; }
    void Move(WindowHandle window, long x, long y) override {
        FakeWindow& w = Of(window);
        const long width = w.rect.right - w.rect.left;
        const long height = w.rect.bottom - w.rect.top;
        w.rect = ScreenRect{x, y, x + width, y + height};
        w.moves.emplace_back(x, y);
    }
    void SetTopMost(WindowHandle window, bool topMost) override { Of(window).topMost = topMost; }
    void SetMenuCheck(WindowHandle window, int commandId, bool checked) override {
        Of(window).menuChecks[commandId] = checked;
    }
    bool GetWorkArea(ScreenRect* area) override {
        if (!workArea) return false;
        *area = *workArea;
        return true;
    }
    long ScreenWidth() override { return screenWidth; }
    long ScreenHeight() override { return screenHeight; }

    std::optional<ScreenRect> workArea;
    long screenWidth = 800;
    long screenHeight = 600;

private:
    static FakeWindow& Of(WindowHandle window) { return *static_cast<FakeWindow*>(window); }
};

}  // namespace qor::test
