// The front panel's message boxes: MessageBoxA owned by the main window of the
// moment (none before it exists).
#pragma once

#include "message_boxes.h"
#include "panel_state.h"

namespace qor {

class Win32PanelBoxes : public MessageBoxes {
public:
    explicit Win32PanelBoxes(const PanelState& state) : state_(state) {}

    BoxAnswer Show(const char* caption, const char* text, BoxButtons buttons, BoxIcon icon,
                   bool systemModal) override;

private:
    const PanelState& state_;
};

}  // namespace qor
