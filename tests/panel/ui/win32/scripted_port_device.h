// A driver in the test process that answers the status and statistics requests with
// the records it is given, for tests that include <windows.h> (whose error macros
// the link's own fake device cannot live beside).
#pragma once

#include <cstdint>
#include <cstring>

#include "port_device.h"
#include "port_link.h"
#include "port_records.h"

namespace qor::test {

class ScriptedPortDevice : public PortDevice {
public:
    Handle Open(const char*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) override {
        return 1;
    }
    bool IoControl(Handle, std::uint32_t code, const void*, std::uint32_t, void* out,
                   std::uint32_t outSize, std::uint32_t* returned) override {
        const unsigned char* answer = nullptr;
        std::uint32_t size = 0;
        if (code == PORT_IOCTL_GET_STATUS && statusAnswers) {
            answer = status.Data();
            size = PortStatus::SIZE;
        } else if (code == PORT_IOCTL_GET_STATISTICS) {
            answer = statistics.Data();
            size = PortStatistics::SIZE;
        }
        if (answer == nullptr || size > outSize) return false;
        std::memcpy(out, answer, size);
        *returned = size;
        return true;
    }
    bool Close(Handle) override { return true; }
    std::uint32_t LastError() override { return 0; }

    bool statusAnswers = true;
    PortStatus status;
    PortStatistics statistics;
};

}  // namespace qor::test
