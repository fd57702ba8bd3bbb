// Turning a PortStatus into the status-bar texts, the tip and the notification
// picture.
#pragma once

#include <cstdint>

#include "panel_outputs.h"
#include "port_records.h"

namespace qor {

// The mode text (modes 1 to 5), then connection, fax or call-state display in
// part 1, then the picture of the call state.
void StatusDecode(PanelOutputs& outputs, const PortStatus& status);
// "Connected <error control><compression>at <speed> bps" in part 1 and the tip;
// "Data - <modulation>" or "Data mode" in part 0.
void StatusShowConnection(PanelOutputs& outputs, const PortStatus& status);
// "Connected fax at <speed> bps" in part 1 unless the speed is 300; "Fax - <modulation>"
// in part 0 and the tip, or "Fax mode" in part 0 alone.
void StatusShowFax(PanelOutputs& outputs, const PortStatus& status);
// The call-state text in part 1.
void StatusShowState(PanelOutputs& outputs, const PortStatus& status);
// The picture of call states 0 to 14; other states change nothing.
void TrayIconSelect(PanelOutputs& outputs, std::uint16_t callState);

}  // namespace qor
