// The About box's window: its texts, its picture control and its timer.
#pragma once

#include <windows.h>

#include "about_box.h"

namespace qor {

class Win32AboutView : public AboutView {
public:
    explicit Win32AboutView(HWND dialog) : dialog_(dialog) {}

    void SetControlText(int controlId, const char* text) override;
    void DrawPicture(IconHandle picture) override;
    bool TimerStart(unsigned id, unsigned periodMs) override;
    void TimerStop(unsigned id) override;
    // EndDialog with IDOK.
    void End() override;

private:
    HWND dialog_;
};

}  // namespace qor
