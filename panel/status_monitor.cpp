#include "status_monitor.h"

#include "lamps.h"
#include "status_decode.h"

namespace qor {

void StatusMonitor::MonitorStart() {
    timer_.TimerStart();
    MonitorReset();
}

void StatusMonitor::MonitorTick() {
    if (state_ == PollState::Closed) {
        // A link that does not open is tried again on the next one-second tick.
        MonitorOpen();
    } else if (MonitorPoll() != PORT_OK) {
        link_.PortClose();
        MonitorReset();
    }
}

PortResult StatusMonitor::MonitorOpen() {
    const PortResult result = link_.PortOpen();
    if (result != PORT_OK) return result;
    outputs_.LampLabelsEnable(true);
    outputs_.StatusBarSetSimple(false);
    outputs_.StatusBarSetText(0, "Idle mode");
    outputs_.TrayTipSet("Idle mode");
    outputs_.StatusBarSetText(1, " ");
    state_ = PollState::Open;
    timer_.TimerSetPeriod(POLL_PERIOD_OPEN);
    return PORT_OK;
}

void StatusMonitor::MonitorReset() {
    // The rest of the shown record survives, so a reopened driver that reports it
    // again causes no decode.
    shown_.SetMode(1);
    shown_.SetLineSignals(0);
    state_ = PollState::Closed;
    timer_.TimerSetPeriod(POLL_PERIOD_CLOSED);
    outputs_.StatusBarSetSimple(true);
    outputs_.StatusBarSetText(0, "Idle");
    outputs_.TrayTipSet("Idle");
    outputs_.LampLabelsEnable(false);
    outputs_.LampsClear();
}

PortResult StatusMonitor::MonitorPoll() {
    ++tickCounter_;
    const PortResult result = link_.PortGetStatus(current_);
    if (result != PORT_OK) {
        if (statistics_.IsOpen() && statistics_.FiguresEnabled()) {
            statistics_.StatisticsEnable(false);
        }
        return result;
    }

    // Every poll: one 32-bit comparison, and only changed lamps are redrawn.
    const std::uint32_t lineSignals = current_.LineSignals();
    if (lineSignals != shown_.LineSignals()) {
        LampsUpdate(lineSignals);
        shown_.SetLineSignals(lineSignals);
    }

    // Every sixth poll only: the 26-byte comparison, and a decode on a change. The
    // line signals already match here, so a lamp change alone never decodes.
    if (tickCounter_ % DECODE_INTERVAL == 0 && current_ != shown_) {
        StatusDecode(outputs_, current_);
        shown_ = current_;
    }

    if (statistics_.IsOpen()) statistics_.StatisticsRefresh();
    return PORT_OK;
}

void StatusMonitor::LampsUpdate(std::uint32_t newBits) {
    const std::uint32_t changed = newBits ^ shown_.LineSignals();
    for (const Lamp& lamp : LAMPS) {
        if (changed & lamp.bit) outputs_.LampSet(lamp.controlId, (newBits & lamp.bit) != 0);
    }
}

}  // namespace qor
