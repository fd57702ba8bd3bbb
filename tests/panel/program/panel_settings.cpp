#include "panel_settings.h"

#include "install_layout.h"
#include "registry_helpers.h"
#include "win32_registry.h"

namespace qor::test {

std::optional<std::string> SettingRead(const char* name) {
    Win32Registry registry;
    char text[REG_STRING_READ_LIMIT] = {};
    if (!ReadRegStr(registry, FRONT_PANEL_KEY, name, text, sizeof text)) return std::nullopt;
    return std::string(text);
}

bool SettingWrite(const char* name, const std::string& text) {
    Win32Registry registry;
    return WriteRegStr(registry, FRONT_PANEL_KEY, name, text.c_str()) == 1;
}

bool SettingsClear() {
    Win32Registry registry;
    Registry::Key key = nullptr;
    if (registry.OpenKey(FRONT_PANEL_KEY, RegAccess::All, &key) != REG_RESULT_OK) return false;
    for (const char* name : PANEL_SETTINGS) registry.DeleteValue(key, name);
    registry.CloseKey(key);
    return true;
}

}  // namespace qor::test
