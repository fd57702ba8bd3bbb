// The real Win32 device with a count of the opens it passed on, so that a test
// sees whether the link asked the system for a handle.
#pragma once

#include "win32_port_device.h"

namespace qor::test {

class CountingPortDevice : public Win32PortDevice {
public:
    Handle Open(const char* name, std::uint32_t access, std::uint32_t share,
                std::uint32_t disposition, std::uint32_t flags) override {
        ++opens;
        return Win32PortDevice::Open(name, access, share, disposition, flags);
    }

    int opens = 0;
};

}  // namespace qor::test
