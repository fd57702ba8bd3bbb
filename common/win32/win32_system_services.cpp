#include "win32_system_services.h"

#include <windows.h>
// The interface's method shares its name with the character-set macro of the call.
#undef GetWindowsDirectory

#include <limits>

namespace qor {

// Windows 95 fills only the original structure; the extended one would fail there.
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must be the 148-byte structure");

bool Win32SystemServices::GetVersion(WindowsVersion* version) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    version->major = info.dwMajorVersion;
    version->minor = info.dwMinorVersion;
    version->build = info.dwBuildNumber;
    return true;
}

std::size_t Win32SystemServices::GetWindowsDirectory(char* buffer, std::size_t capacity) {
    constexpr std::size_t largest = std::numeric_limits<UINT>::max();
    return GetWindowsDirectoryA(buffer, static_cast<UINT>(capacity < largest ? capacity : largest));
}

bool Win32SystemServices::PathExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace qor
