#include "temporary_windows_folder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace qor {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> SplitAtBackslashes(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

TemporaryWindowsFolder::TemporaryWindowsFolder(std::string windowsPath)
    : windowsPath_(std::move(windowsPath)) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qor-windows-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
}

TemporaryWindowsFolder::~TemporaryWindowsFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TemporaryWindowsFolder::OnDisk(const std::string& relativePath) const {
    std::filesystem::path path = root_;
    for (const std::string& part : SplitAtBackslashes(relativePath)) path /= part;
    return path;
}

void TemporaryWindowsFolder::AddFile(const std::string& relativePath) {
    const std::filesystem::path path = OnDisk(relativePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "test\n";
}

void TemporaryWindowsFolder::AddFolder(const std::string& relativePath) {
    std::filesystem::create_directories(OnDisk(relativePath));
}

bool TemporaryWindowsFolder::GetVersion(WindowsVersion* version) {
    if (!versionReadable_) return false;
    *version = WindowsVersion{4, 10, 1998};
    return true;
}

std::size_t TemporaryWindowsFolder::GetWindowsDirectory(char* buffer, std::size_t capacity) {
    if (!windowsFolderReadable_) return 0;
    // As the system call: the size needed, zero included, when the buffer is too small.
    if (windowsPath_.size() >= capacity) return windowsPath_.size() + 1;
    std::memcpy(buffer, windowsPath_.c_str(), windowsPath_.size() + 1);
    return windowsPath_.size();
}

bool TemporaryWindowsFolder::PathExists(const char* path) {
    const std::string_view full(path);
    if (full.size() < windowsPath_.size() ||
        !SameIgnoringCase(full.substr(0, windowsPath_.size()), windowsPath_)) {
        return false;
    }
    std::string_view rest = full.substr(windowsPath_.size());
    if (rest.empty()) return true;
    if (rest.front() != '\\') return false;
    std::filesystem::path found = root_;
    for (const std::string& part : SplitAtBackslashes(rest.substr(1))) {
        std::error_code error;
        if (part.empty() || !std::filesystem::is_directory(found, error)) return false;
        bool matched = false;
        for (const auto& entry : std::filesystem::directory_iterator(found, error)) {
            if (SameIgnoringCase(entry.path().filename().string(), part)) {
                found = entry.path();
                matched = true;
                break;
            }
        }
        if (!matched) return false;
    }
    return true;
}

}  // namespace qor
