// The About box's logic: centred over its owner, its texts, and a running light of
// three lamps that advances four times a second and goes on, at the next opening,
// where it stopped.
#pragma once

#include <array>

#include "icon_table.h"
#include "message_boxes.h"
#include "panel_resources.h"
#include "window_ops.h"

namespace qor {

inline constexpr unsigned ABOUT_TIMER_ID = 123;
inline constexpr unsigned ABOUT_TIMER_PERIOD = 250;

// The running light's frames: all red, then the first, middle and last lamp green.
inline constexpr std::array<IconSource, 4> ABOUT_PICTURES{{
    {IDI_ABOUT_RED, "Error loading ABOUT icon 1"},
    {IDI_ABOUT_FIRST, "Error loading ABOUT icon 2"},
    {IDI_ABOUT_MIDDLE, "Error loading ABOUT icon 3"},
    {IDI_ABOUT_LAST, "Error loading ABOUT icon 4"},
}};

struct AboutText {
    int controlId;
    const char* text;
};

inline constexpr std::array<AboutText, 4> ABOUT_TEXTS{{
    {IDC_ABOUT_TITLE, "Orvanta Modem Front Panel"},
    {IDC_ABOUT_VERSION, "Version 1.00"},
    {IDC_ABOUT_NOTICE_1, "Copyright (C) Orvanta."},
    {IDC_ABOUT_NOTICE_2, "All rights reserved."},
}};

// The About dialog's window as its logic drives it.
class AboutView {
public:
    virtual ~AboutView() = default;
    // SetDlgItemTextA.
    virtual void SetControlText(int controlId, const char* text) = 0;
    // DrawIcon at (0, 0) of the picture control's device context, without
    // invalidating the control.
    virtual void DrawPicture(IconHandle picture) = 0;
    // SetTimer / KillTimer on the dialog; false when the system refused the timer.
    virtual bool TimerStart(unsigned id, unsigned periodMs) = 0;
    virtual void TimerStop(unsigned id) = 0;
    // EndDialog.
    virtual void End() = 0;
};

class AboutBox {
public:
    AboutBox(WindowOps& windows, Icons& icons, MessageBoxes& boxes)
        : windows_(windows), pictures_(icons, boxes) {}

    // WM_INITDIALOG: centred over owner, the pictures loaded (each failure in a box),
    // the texts set, the animation timer started. view must outlive the box. The
    // dialog procedure answers 1.
    void AboutInit(WindowHandle dialog, WindowHandle owner, AboutView& view);
    // WM_TIMER: the animation's timer advances the light; other timers are ignored.
    void AboutTimerTick(unsigned timerId);
    // Command IDOK or IDCANCEL: the timer stopped, the pictures freed, the box ended.
    // The dialog procedure answers 1.
    void AboutClose();
    // Destroys the pictures still held; also at program exit, when nothing is left.
    void AboutIconsFree() { pictures_.Free(); }

    // 0 to 3: the frame shown last; kept from one opening to the next.
    unsigned AnimationIndex() const { return animationIndex_; }

private:
    WindowOps& windows_;
    IconTable pictures_;
    AboutView* view_ = nullptr;
    bool timerRunning_ = false;
    unsigned animationIndex_ = 0;
};

}  // namespace qor
