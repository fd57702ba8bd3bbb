#include "panel_registry.h"

#include <string>

#include "install_layout.h"
#include "registry_helpers.h"

namespace qor {

int PanelRegistry::WriteRegStr(const char* valueName, const char* text) {
    switch (StoreRegStr(registry_, FRONT_PANEL_KEY, valueName, text)) {
    case StoreOutcome::Stored: return 1;
    case StoreOutcome::KeyNotOpened: return 0;
    case StoreOutcome::StoreFailed: break;
    }
    ReportRegistryError("QorPanel: WriteRegStr", "RegSetValueEx failed.");
    return 0;
}

int PanelRegistry::ReadRegNum(const char* valueName, int defaultValue) {
    return qor::ReadRegNum(registry_, FRONT_PANEL_KEY, valueName, defaultValue);
}

void PanelRegistry::ReportRegistryError(const char* caption, const char* message) {
    if (errorReported_) return;
    errorReported_ = true;
    const std::string text = std::string(message == nullptr ? "" : message) +
                             "\n\nPlease check your Qor installation.\n\n"
                             "This message is sent if your install INF file didn't create the "
                             "proper registry settings.";
    boxes_.Show(caption == nullptr ? "" : caption, text.c_str(), BoxButtons::Ok,
                BoxIcon::Information);
}

}  // namespace qor
