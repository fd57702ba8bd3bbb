// System services for native tests: a Windows folder (by default named C:\WINDOWS)
// backed by a temporary directory that is removed again. Paths below it are looked up
// without regard to ASCII case, as on Windows; every other path is missing.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "system_services.h"

namespace qor {

class TemporaryWindowsFolder : public SystemServices {
public:
    explicit TemporaryWindowsFolder(std::string windowsPath = "C:\\WINDOWS");
    ~TemporaryWindowsFolder() override;
    TemporaryWindowsFolder(const TemporaryWindowsFolder&) = delete;
    TemporaryWindowsFolder& operator=(const TemporaryWindowsFolder&) = delete;

    // relativePath uses backslashes, e.g. "System\\QORPORT.VXD"; parents are created.
    void AddFile(const std::string& relativePath);
    void AddFolder(const std::string& relativePath);
    void SetVersionReadable(bool readable) { versionReadable_ = readable; }
    void SetWindowsFolderReadable(bool readable) { windowsFolderReadable_ = readable; }

    bool GetVersion(WindowsVersion* version) override;
    std::size_t GetWindowsDirectory(char* buffer, std::size_t capacity) override;
    bool PathExists(const char* path) override;

private:
    std::filesystem::path OnDisk(const std::string& relativePath) const;

    std::string windowsPath_;
    std::filesystem::path root_;
    bool versionReadable_ = true;
    bool windowsFolderReadable_ = true;
};

}  // namespace qor
