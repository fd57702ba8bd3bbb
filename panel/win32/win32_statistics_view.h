// The Statistics dialog's controls over its window.
#pragma once

#include <windows.h>

#include "statistics_view.h"

namespace qor {

class Win32StatisticsView : public StatisticsView {
public:
    explicit Win32StatisticsView(HWND dialog) : dialog_(dialog) {}

    void SetControlText(int controlId, const char* text) override;
    void EnableControl(int controlId, bool enabled) override;
    void SetCaption(const char* caption) override;
    // The bar's range is 16-bit (PBM_SETRANGE), which every buffer size fits.
    void SetBar(int controlId, unsigned range, unsigned position) override;
    void SetSliderRange(int minimum, int maximum) override;
    void SetSliderPosition(int position) override;
    int SliderPosition() override;
    void Close() override;

private:
    LRESULT SendTo(int controlId, UINT message, WPARAM wParam, LPARAM lParam);

    HWND dialog_;
};

}  // namespace qor
