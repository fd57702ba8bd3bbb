// The system services over the ANSI Win32 calls.
#pragma once

#include "system_services.h"

namespace qor {

class Win32SystemServices : public SystemServices {
public:
    bool GetVersion(WindowsVersion* version) override;
    std::size_t GetWindowsDirectory(char* buffer, std::size_t capacity) override;
    bool PathExists(const char* path) override;
};

}  // namespace qor
