#include "statistics_dialog.h"

#include <algorithm>
#include <cstdio>

#include "statistics_texts.h"

namespace qor {

void StatisticsDialog::StatisticsOpen(WindowHandle dialog, StatisticsView& view) {
    placement_.WindowGetPosition(dialog, STATISTICS_WINDOW_NAME);
    dialog_ = dialog;
    view_ = &view;
    figuresEnabled_ = false;
    sliderInitialised_ = false;
    record_.Fill(0);
    // Unlike any record the driver can send as its first, so that one always shows.
    shown_.Fill(0xFF);
    StatisticsEnable(false);
    view.SetSliderRange(RTS_SLIDER_MIN, RTS_SLIDER_MAX);
    requestedRts_ = RTS_REQUEST_DEFAULT;
    // A failure is the next timer tick's business.
    if (monitor_ != nullptr) monitor_->MonitorPoll();
}

void StatisticsDialog::StatisticsClose() {
    if (view_ == nullptr) return;
    placement_.WindowSavePosition(dialog_, STATISTICS_WINDOW_NAME);
    StatisticsView* view = view_;
    // Emptied first: destroying the window must not find a dialog that is going.
    view_ = nullptr;
    dialog_ = nullptr;
    view->Close();
}

void StatisticsDialog::StatisticsEnable(bool on) {
    if (view_ == nullptr) return;
    for (int id : FIGURE_CONTROLS) view_->EnableControl(id, on);
    char caption[48];
    std::snprintf(caption, sizeof caption, "Qor Statistics %s", on ? "" : "(Modem Inactive)");
    view_->SetCaption(caption);
    figuresEnabled_ = on;
}

void StatisticsDialog::StatisticsRefresh() {
    if (view_ == nullptr) return;
    if (!figuresEnabled_) StatisticsEnable(true);
    const std::uint16_t tick = monitor_ != nullptr ? monitor_->TickCounter() : 0;
    if (sliderInitialised_ && tick % 2 != 0) return;
    if (link_.PortGetStatistics(record_) != PORT_OK) return;
    if (record_ != shown_) {
        StatisticsShow();
        shown_ = record_;
    }
    if (!sliderInitialised_) {
        RtsSliderInit();
        sliderInitialised_ = true;
    }
}

void StatisticsDialog::StatisticsShow() {
    char text[STATISTICS_TEXT_SIZE];
    for (const BufferRow& row : BUFFER_ROWS) {
        const std::uint16_t level = record_.Get(row.level);
        const std::uint16_t size = record_.Get(row.size);
        BufferText(level, size, text, sizeof text);
        view_->SetControlText(row.textId, text);
        view_->SetBar(row.barId, size, level);
    }
    for (const SchedulerFigure& figure : SCHEDULER_FIGURES) {
        FigureText(record_.Get(figure.word), figure.unit, text, sizeof text);
        view_->SetControlText(figure.textId, text);
    }
}

void StatisticsDialog::RtsSliderInit() {
    const int frequency = record_.Get(StatisticsWord::RtsFrequency);
    // The slider would limit the position itself; limiting it here keeps the logic
    // independent of the control.
    view_->SetSliderPosition(std::clamp(frequency / 5 - 1, RTS_SLIDER_MIN, RTS_SLIDER_MAX));
    char text[16];
    std::snprintf(text, sizeof text, "%d", frequency);
    view_->SetControlText(IDC_RTS_REQUESTED, text);
}

void StatisticsDialog::RtsSliderRead() {
    if (view_ == nullptr) return;
    const int position = std::clamp(view_->SliderPosition(), RTS_SLIDER_MIN, RTS_SLIDER_MAX);
    requestedRts_ = static_cast<std::uint16_t>(5 * position + 5);
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(requestedRts_));
    view_->SetControlText(IDC_RTS_REQUESTED, text);
}

void StatisticsDialog::RtsValueSend() {
    RtsRequest request;
    request.SetFrequency(requestedRts_);
    request.SetConstant(RTS_REQUEST_CONSTANT);
    // The driver gives no feedback the user could act on.
    link_.PortSetRts(request);
}

}  // namespace qor
