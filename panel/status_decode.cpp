#include "status_decode.h"

#include <cstdio>

#include "lamps.h"
#include "status_texts.h"

namespace qor {

namespace {

// Room for the longest text any of the formats below can produce.
constexpr std::size_t DISPLAY_TEXT_SIZE = 64;

bool IsFaxConnection(const PortStatus& status) {
    return status.Mode() == MODE_FAX && (status.LineSignals() & LINE_OFF_HOOK) != 0 &&
           status.Speed() != 0 && status.CallState() == CALL_STATE_IDLE;
}

}  // namespace

void StatusDecode(PanelOutputs& outputs, const PortStatus& status) {
    if (const char* mode = ModeText(status.Mode())) {
        outputs.StatusBarSetText(0, mode);
        outputs.TrayTipSet(mode);
    }
    if (status.CallState() == CALL_STATE_CONNECTED) {
        StatusShowConnection(outputs, status);
    } else if (IsFaxConnection(status)) {
        StatusShowFax(outputs, status);
    } else {
        StatusShowState(outputs, status);
    }
    TrayIconSelect(outputs, status.CallState());
}

void StatusShowConnection(PanelOutputs& outputs, const PortStatus& status) {
    char text[DISPLAY_TEXT_SIZE];
    std::snprintf(text, sizeof text, "Connected %s%sat %d bps",
                  ErrorControlText(status.ErrorControl()), CompressionText(status.Compression()),
                  static_cast<int>(status.Speed()));
    outputs.StatusBarSetText(1, text);
    outputs.TrayTipSet(text);

    if (const char* modulation = ModulationName(status.Modulation())) {
        std::snprintf(text, sizeof text, "Data - %s", modulation);
        outputs.StatusBarSetText(0, text);
    } else {
        outputs.StatusBarSetText(0, "Data mode");
    }
}

void StatusShowFax(PanelOutputs& outputs, const PortStatus& status) {
    char text[DISPLAY_TEXT_SIZE];
    if (status.Speed() != 300) {
        std::snprintf(text, sizeof text, "Connected fax at %d bps", static_cast<int>(status.Speed()));
        outputs.StatusBarSetText(1, text);
    }
    if (const char* modulation = ModulationName(status.Modulation())) {
        std::snprintf(text, sizeof text, "Fax - %s", modulation);
        outputs.StatusBarSetText(0, text);
        outputs.TrayTipSet(text);
    } else {
        outputs.StatusBarSetText(0, "Fax mode");
    }
}

void StatusShowState(PanelOutputs& outputs, const PortStatus& status) {
    outputs.StatusBarSetText(1, CallStateText(status.CallState()));
}

void TrayIconSelect(PanelOutputs& outputs, std::uint16_t callState) {
    const int icon = CallStateIcon(callState);
    if (icon >= 0) outputs.TrayIconSet(icon);
}

}  // namespace qor
