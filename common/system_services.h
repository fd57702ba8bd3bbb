// The system services the start-up probes and the scanner rely on, so that their
// logic runs natively against a fake and on Windows against the real calls.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qor {

struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

class SystemServices {
public:
    virtual ~SystemServices() = default;
    // As GetVersionExA with a 148-byte OSVERSIONINFOA; false when it cannot be read.
    virtual bool GetVersion(WindowsVersion* version) = 0;
    // As GetWindowsDirectoryA: the length written (without the zero), or the size
    // needed when capacity is too small, or 0 on failure.
    virtual std::size_t GetWindowsDirectory(char* buffer, std::size_t capacity) = 0;
    // As GetFileAttributesA succeeding: a folder of that name counts as present.
    virtual bool PathExists(const char* path) = 0;
};

}  // namespace qor
