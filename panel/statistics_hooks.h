// What the monitor's poll needs from the Statistics dialog.
#pragma once

namespace qor {

class StatisticsHooks {
public:
    virtual ~StatisticsHooks() = default;
    // Whether the dialog exists (its slot is filled).
    virtual bool IsOpen() const = 0;
    // Whether its figures are enabled.
    virtual bool FiguresEnabled() const = 0;
    // After every successful status read while the dialog is open.
    virtual void StatisticsRefresh() = 0;
    // Called with false when a status read fails while the figures are enabled.
    virtual void StatisticsEnable(bool on) = 0;
};

}  // namespace qor
