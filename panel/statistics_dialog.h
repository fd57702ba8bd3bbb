// The Statistics dialog's logic: the driver's buffer levels and scheduler figures,
// refreshed by the monitor's poll, and the RTS frequency slider. At most one dialog
// exists; its slot is filled from its initialisation until it closes.
#pragma once

#include <array>
#include <cstdint>

#include "panel_resources.h"
#include "port_link.h"
#include "port_records.h"
#include "statistics_hooks.h"
#include "statistics_view.h"
#include "status_monitor.h"
#include "window_ops.h"
#include "window_placement.h"

namespace qor {

// The slider's positions 0..9 stand for 5..50 ms.
inline constexpr int RTS_SLIDER_MIN = 0;
inline constexpr int RTS_SLIDER_MAX = 9;
inline constexpr std::uint16_t RTS_REQUEST_DEFAULT = 30;
inline constexpr std::uint16_t RTS_REQUEST_CONSTANT = 4;

struct BufferRow {
    StatisticsWord level;
    StatisticsWord size;
    int textId;
    int barId;
};

// In the order in which they are shown.
inline constexpr std::array<BufferRow, 6> BUFFER_ROWS{{
    {StatisticsWord::DteTransmitLevel, StatisticsWord::DteTransmitSize, IDC_DTE_TX_TEXT, IDC_DTE_TX_BAR},
    {StatisticsWord::DteReceiveLevel, StatisticsWord::DteReceiveSize, IDC_DTE_RX_TEXT, IDC_DTE_RX_BAR},
    {StatisticsWord::DceTransmitLevel, StatisticsWord::DceTransmitSize, IDC_DCE_TX_TEXT, IDC_DCE_TX_BAR},
    {StatisticsWord::DceReceiveLevel, StatisticsWord::DceReceiveSize, IDC_DCE_RX_TEXT, IDC_DCE_RX_BAR},
    {StatisticsWord::InputQueueLevel, StatisticsWord::InputQueueSize, IDC_QIN_TEXT, IDC_QIN_BAR},
    {StatisticsWord::OutputQueueLevel, StatisticsWord::OutputQueueSize, IDC_QOUT_TEXT, IDC_QOUT_BAR},
}};

struct SchedulerFigure {
    StatisticsWord word;
    int textId;
    const char* unit;
};

// Shown after the rows, in this order.
inline constexpr std::array<SchedulerFigure, 4> SCHEDULER_FIGURES{{
    {StatisticsWord::RtsFrequency, IDC_RTS_FREQUENCY, "ms"},
    {StatisticsWord::RtsAsyncTime, IDC_RTS_ASYNC, "ms"},
    {StatisticsWord::TaskerRunTime, IDC_TASKER_RUNTIME, "ms"},
    {StatisticsWord::TaskerLoops, IDC_TASKER_LOOPS, ""},
}};

// Enabled and disabled together; labels and group frames never are.
inline constexpr std::array<int, 19> FIGURE_CONTROLS{{
    IDC_RTS_SET, IDC_RTS_SLIDER, IDC_RTS_REQUESTED, IDC_TASKER_LOOPS, IDC_TASKER_RUNTIME,
    IDC_RTS_ASYNC, IDC_RTS_FREQUENCY, IDC_DTE_TX_TEXT, IDC_DTE_TX_BAR, IDC_DTE_RX_TEXT,
    IDC_DTE_RX_BAR, IDC_DCE_TX_TEXT, IDC_DCE_TX_BAR, IDC_DCE_RX_TEXT, IDC_DCE_RX_BAR,
    IDC_QIN_TEXT, IDC_QIN_BAR, IDC_QOUT_TEXT, IDC_QOUT_BAR,
}};

class StatisticsDialog : public StatisticsHooks {
public:
    StatisticsDialog(PortLink& link, WindowPlacement& placement)
        : link_(link), placement_(placement) {}
    StatisticsDialog(const StatisticsDialog&) = delete;
    StatisticsDialog& operator=(const StatisticsDialog&) = delete;

    // The monitor is built with this object as its hooks, so it is attached after;
    // without one, opening polls nothing and every poll counts as even.
    void AttachMonitor(StatusMonitor& monitor) { monitor_ = &monitor; }

    // WM_INITDIALOG: the stored position, the slot filled, figures disabled with the
    // caption "Qor Statistics (Modem Inactive)", the slider's range, 30 ms requested,
    // then one poll so that an open link fills the dialog at once. view must outlive
    // the dialog's slot. The dialog procedure answers 1.
    void StatisticsOpen(WindowHandle dialog, StatisticsView& view);
    // Command IDOK or IDCANCEL (also Esc and the close box, and Exit): the position
    // saved, the dialog destroyed, the slot emptied. Nothing when no dialog is open.
    void StatisticsClose();
    // Any notification from the slider: the requested value becomes 5 * position + 5
    // ms and is shown beside it.
    void RtsSliderRead();
    // Command IDC_RTS_SET (also Enter): the requested value sent to the driver; its
    // answer is ignored.
    void RtsValueSend();

    bool IsOpen() const override { return view_ != nullptr; }
    bool FiguresEnabled() const override { return figuresEnabled_; }
    // After a successful status read: enables the figures, and reads and shows the
    // statistics on every poll until the slider is set, then on even polls only.
    void StatisticsRefresh() override;
    void StatisticsEnable(bool on) override;

    // The dialog in the slot (null when none), for the message loop.
    WindowHandle Dialog() const { return dialog_; }
    std::uint16_t RequestedRts() const { return requestedRts_; }

private:
    void StatisticsShow();
    void RtsSliderInit();

    PortLink& link_;
    WindowPlacement& placement_;
    StatusMonitor* monitor_ = nullptr;
    WindowHandle dialog_ = nullptr;
    StatisticsView* view_ = nullptr;
    bool figuresEnabled_ = false;
    bool sliderInitialised_ = false;
    PortStatistics record_;
    PortStatistics shown_;
    std::uint16_t requestedRts_ = RTS_REQUEST_DEFAULT;
};

}  // namespace qor
