// The seven line-signal lamps: which bit of PortStatus lights which control.
#pragma once

#include <array>
#include <cstdint>

namespace qor {

struct Lamp {
    std::uint32_t bit;
    int controlId;
};

// In the order in which lamps are examined and cleared.
inline constexpr std::array<Lamp, 7> LAMPS{{
    {0x004, 1000},  // DTR
    {0x008, 1001},  // RTS
    {0x010, 1013},  // DSR
    {0x020, 1014},  // CTS
    {0x040, 1002},  // CD
    {0x080, 1006},  // OH
    {0x100, 1003},  // RING
}};

inline constexpr std::uint32_t LINE_OFF_HOOK = 0x080;

}  // namespace qor
