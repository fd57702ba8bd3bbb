// The status monitor: driven by the poll timer, it keeps the driver link open and
// turns the driver's PortStatus into lamps, status-bar texts and the notification
// icon, and refreshes the Statistics dialog while that is open.
#pragma once

#include <cstdint>

#include "panel_outputs.h"
#include "poll_timer.h"
#include "port_link.h"
#include "port_records.h"
#include "statistics_hooks.h"

namespace qor {

enum class PollState { Closed = 0, Open = 1 };

// Texts and icon are examined only on every DECODE_INTERVAL-th poll.
inline constexpr std::uint16_t DECODE_INTERVAL = 6;

class StatusMonitor {
public:
    StatusMonitor(PortLink& link, PanelOutputs& outputs, WindowTimer& timer,
                  StatisticsHooks& statistics)
        : link_(link), outputs_(outputs), timer_(timer), statistics_(statistics) {}
    StatusMonitor(const StatusMonitor&) = delete;
    StatusMonitor& operator=(const StatusMonitor&) = delete;

    // Once, when the main window and its tool tips exist: the timer, then Closed.
    void MonitorStart();
    // Every WM_TIMER of POLL_TIMER_ID: reopen while Closed, poll while Open; a failed
    // poll closes the link and returns to Closed.
    void MonitorTick();
    // Opens the link and enters Open; any other result than PORT_OK changes nothing.
    PortResult MonitorOpen();
    // Enters Closed: simple "Idle" bar, grey frames, lamps unlit, one-second retry.
    void MonitorReset();
    // One status read: lamps on a line-signal change, texts on every sixth poll when
    // the record changed, the Statistics dialog refreshed. PORT_OK or the link's
    // failure code.
    PortResult MonitorPoll();

    // The lamps whose bit differs between newBits and the bits they show.
    void LampsUpdate(std::uint32_t newBits);

    // TimerStop on suspend, TimerStart on resume.
    PollTimer& Timer() { return timer_; }
    const PollTimer& Timer() const { return timer_; }
    PollState State() const { return state_; }
    // Incremented by every poll; wraps from 65535 to 0.
    std::uint16_t TickCounter() const { return tickCounter_; }
    // The record the texts and icon were last built from; its line signals are the
    // lamps' state.
    const PortStatus& ShownRecord() const { return shown_; }

private:
    PortLink& link_;
    PanelOutputs& outputs_;
    PollTimer timer_;
    StatisticsHooks& statistics_;
    PollState state_ = PollState::Closed;
    std::uint16_t tickCounter_ = 0;
    PortStatus current_;
    PortStatus shown_;
};

}  // namespace qor
