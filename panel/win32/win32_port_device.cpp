#include "win32_port_device.h"

#include <windows.h>

namespace qor {

static_assert(sizeof(PortDevice::Handle) == sizeof(HANDLE));

namespace {

HANDLE ToWin32(PortDevice::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

PortDevice::Handle Win32PortDevice::Open(const char* name, std::uint32_t access,
                                         std::uint32_t share, std::uint32_t disposition,
                                         std::uint32_t flags) {
    const HANDLE handle = CreateFileA(name, access, share, nullptr, disposition, flags, nullptr);
    return reinterpret_cast<Handle>(handle);  // INVALID_HANDLE_VALUE becomes INVALID
}

bool Win32PortDevice::IoControl(Handle handle, std::uint32_t code, const void* in,
                                std::uint32_t inSize, void* out, std::uint32_t outSize,
                                std::uint32_t* returned) {
    DWORD count = 0;
    // The input is only read; DeviceIoControl's parameter is not const.
    const BOOL done = DeviceIoControl(ToWin32(handle), code, const_cast<void*>(in), inSize, out,
                                      outSize, &count, nullptr);
    *returned = count;
    return done != FALSE;
}

bool Win32PortDevice::Close(Handle handle) { return CloseHandle(ToWin32(handle)) != FALSE; }

std::uint32_t Win32PortDevice::LastError() { return GetLastError(); }

}  // namespace qor
