// The texts the monitor shows, looked up by the fields of PortStatus. Every lookup
// answers for any value: values outside a table give its fallback.
#pragma once

#include <cstdint>

namespace qor {

inline constexpr std::uint16_t CALL_STATE_COUNT = 15;
inline constexpr std::uint16_t CALL_STATE_CONNECTED = 3;
inline constexpr std::uint16_t CALL_STATE_IDLE = 0;
inline constexpr std::uint16_t MODULATION_COUNT = 24;
inline constexpr std::uint16_t MODE_FAX = 3;

// "Idle mode" to "VoiceView" for modes 1 to 5; null for any other mode.
const char* ModeText(std::uint16_t mode);
// The call-state text for states 0 to 14; " " for any other state.
const char* CallStateText(std::uint16_t callState);
// The notification picture of states 0 to 14; -1 (no change) for any other state.
int CallStateIcon(std::uint16_t callState);
// The modulation name for indexes 0 to 23; null for any other index.
const char* ModulationName(std::uint16_t modulation);
// The protocol texts end with one blank; unknown codes give "".
const char* ErrorControlText(std::uint32_t code);
const char* CompressionText(std::uint32_t code);

}  // namespace qor
