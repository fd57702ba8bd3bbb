// The front panel's two registry helpers: their key is always the front panel key,
// and a failed store shows the registry error box once per run.
#pragma once

#include "message_boxes.h"
#include "registry.h"

namespace qor {

class PanelRegistry {
public:
    PanelRegistry(Registry& registry, MessageBoxes& boxes) : registry_(registry), boxes_(boxes) {}

    // 1 when stored; 0 when the key cannot be opened (silently) or the store fails
    // (ReportRegistryError with "QorPanel: WriteRegStr", "RegSetValueEx failed.").
    int WriteRegStr(const char* valueName, const char* text);
    int ReadRegNum(const char* valueName, int defaultValue);
    // Shown at most once per run.
    void ReportRegistryError(const char* caption, const char* message);

private:
    Registry& registry_;
    MessageBoxes& boxes_;
    bool errorReported_ = false;
};

}  // namespace qor
