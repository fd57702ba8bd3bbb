// The driver's device as the link sees it: the Win32 calls CreateFileA,
// DeviceIoControl, CloseHandle and GetLastError, behind an interface so that the
// link runs natively against an in-process fake.
#pragma once

#include <cstdint>

namespace qor {

class PortDevice {
public:
    using Handle = std::intptr_t;
    static constexpr Handle INVALID = -1;  // INVALID_HANDLE_VALUE

    virtual ~PortDevice() = default;
    // CreateFileA(name, access, share, NULL, disposition, flags, NULL).
    virtual Handle Open(const char* name, std::uint32_t access, std::uint32_t share,
                        std::uint32_t disposition, std::uint32_t flags) = 0;
    // Synchronous DeviceIoControl; true on success, *returned the byte count.
    virtual bool IoControl(Handle handle, std::uint32_t code, const void* in,
                           std::uint32_t inSize, void* out, std::uint32_t outSize,
                           std::uint32_t* returned) = 0;
    virtual bool Close(Handle handle) = 0;
    // GetLastError, read right after a failure.
    virtual std::uint32_t LastError() = 0;
};

}  // namespace qor
