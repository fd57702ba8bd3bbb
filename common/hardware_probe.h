// Finding the modem's PCI hardware key under Enum\PCI.
#pragma once

#include <cstddef>

#include "registry.h"

namespace qor {

// Path buffers (hardware key, card base, enumerated subkey names) hold 260 bytes.
inline constexpr std::size_t PATH_BUFFER_SIZE = 260;

// hardwareKey receives "Enum\PCI\" + the first subkey whose name begins with
// "VEN_5F3C&DEV_4000" (compared case-sensitively), or "" when there is none.
void FindHardwareKey(Registry& registry, char (&hardwareKey)[PATH_BUFFER_SIZE]);

}  // namespace qor
