// The driver's device over CreateFileA, DeviceIoControl, CloseHandle and
// GetLastError.
#pragma once

#include "port_device.h"

namespace qor {

class Win32PortDevice : public PortDevice {
public:
    Handle Open(const char* name, std::uint32_t access, std::uint32_t share,
                std::uint32_t disposition, std::uint32_t flags) override;
    // Synchronous: the handle is not opened for overlapped I/O.
    bool IoControl(Handle handle, std::uint32_t code, const void* in, std::uint32_t inSize,
                   void* out, std::uint32_t outSize, std::uint32_t* returned) override;
    bool Close(Handle handle) override;
    std::uint32_t LastError() override;
};

}  // namespace qor
