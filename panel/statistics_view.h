// The Statistics dialog's controls as its logic drives them. The Win32 realisation
// wraps the dialog's window; tests record what it was told.
#pragma once

namespace qor {

class StatisticsView {
public:
    virtual ~StatisticsView() = default;

    // SetDlgItemTextA.
    virtual void SetControlText(int controlId, const char* text) = 0;
    // EnableWindow on the control.
    virtual void EnableControl(int controlId, bool enabled) = 0;
    // SetWindowTextA on the dialog.
    virtual void SetCaption(const char* caption) = 0;
    // PBM_SETRANGE 0..range, then PBM_SETPOS position (the bar limits it to its range).
    virtual void SetBar(int controlId, unsigned range, unsigned position) = 0;
    // TBM_SETRANGE with redraw.
    virtual void SetSliderRange(int minimum, int maximum) = 0;
    // TBM_SETPOS with redraw.
    virtual void SetSliderPosition(int position) = 0;
    // TBM_GETPOS.
    virtual int SliderPosition() = 0;
    // DestroyWindow on the dialog (it is modeless).
    virtual void Close() = 0;
};

}  // namespace qor
