#include "hardware_probe.h"

#include <cstdio>
#include <cstring>

#include "install_layout.h"

namespace qor {

void FindHardwareKey(Registry& registry, char (&hardwareKey)[PATH_BUFFER_SIZE]) {
    hardwareKey[0] = '\0';
    Registry::Key pci = nullptr;
    if (registry.OpenKey(PCI_ENUM_KEY, RegAccess::Read, &pci) != REG_RESULT_OK) return;
    char name[PATH_BUFFER_SIZE];
    for (std::uint32_t index = 0;; ++index) {
        const RegResult result = registry.EnumKey(pci, index, name, sizeof name);
        // A name too long for the buffer cannot be the modem's key; look further.
        if (result == REG_RESULT_MORE_DATA) continue;
        if (result != REG_RESULT_OK) break;
        if (std::strncmp(name, HARDWARE_ID_PREFIX, HARDWARE_ID_PREFIX_LENGTH) != 0) continue;
        const int length =
            std::snprintf(hardwareKey, sizeof hardwareKey, "%s\\%s", PCI_ENUM_KEY, name);
        if (length > 0 && static_cast<std::size_t>(length) < sizeof hardwareKey) break;
        // The path would not fit the buffer: a cut path would name another key.
        hardwareKey[0] = '\0';
    }
    registry.CloseKey(pci);
}

}  // namespace qor
