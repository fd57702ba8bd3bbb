// One run of the installation scanner: which of the installation's five registry
// entries and ten files are present, printed as a report. It only reads.
#pragma once

#include <cstddef>

#include "hardware_probe.h"
#include "registry.h"
#include "report_output.h"
#include "scanned_files.h"
#include "system_services.h"

namespace qor {

struct ScanCounters {
    int sectionsFound = 0;  // registry entries found, at most 5
    int filesFound = 0;     // files found, at most 10
};

inline constexpr int REGISTRY_SECTION_COUNT = 5;
// GetWindowsDirectoryA is given 255 bytes; folder and file paths are formed in 256.
inline constexpr std::size_t WINDOWS_FOLDER_SIZE = 255;
inline constexpr std::size_t SCAN_PATH_SIZE = 256;

class InstallationScanner {
public:
    InstallationScanner(Registry& registry, SystemServices& system, ReportOutput& output)
        : registry_(registry), system_(system), output_(output) {}

    // The whole report: the five steps below in order. Nothing stops it.
    void Run();

    // Reports an unreadable Windows version and finds the hardware key.
    void CheckWindowsVersion();
    void ScanRegistry();
    void ScanHardware();
    void ScanFiles();
    // Prints the name (tab before, blank after) and counts it when folder\name
    // exists. A null folder is one that could not be formed: the file counts as missing.
    void CheckFile(const char* folder, const char* name);
    void PrintTotals();

    const ScanCounters& counters() const { return counters_; }

private:
    void ScanFileGroup(const FileGroup& group, const char* windowsFolder);

    Registry& registry_;
    SystemServices& system_;
    ReportOutput& output_;
    char hardwareKey_[PATH_BUFFER_SIZE] = {};
    ScanCounters counters_;
};

}  // namespace qor
