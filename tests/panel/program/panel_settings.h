// The front panel's stored settings, the values of its registry key, as a test
// prepares and inspects them.
#pragma once

#include <optional>
#include <string>

namespace qor::test {

// The values the front panel reads and writes: PanelX, PanelY, StatisticsX,
// StatisticsY, Startup, AlwaysOnTop.
inline constexpr const char* PANEL_SETTINGS[] = {"PanelX",      "PanelY",  "StatisticsX",
                                                 "StatisticsY", "Startup", "AlwaysOnTop"};

// The text of a value, or nothing when it is absent.
std::optional<std::string> SettingRead(const char* name);
// False when the key is missing or the store fails.
bool SettingWrite(const char* name, const std::string& text);
// Removes every value of PANEL_SETTINGS; false when the key is missing.
bool SettingsClear();

}  // namespace qor::test
