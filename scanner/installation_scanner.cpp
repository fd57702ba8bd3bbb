#include "installation_scanner.h"

#include <cstdio>

#include "install_layout.h"
#include "registry_helpers.h"

namespace qor {

namespace {

// A registry check: a heading without line end, completed by the found or the
// absent line.
struct RegistryCheck {
    const char* heading;
    const char* keyPath;
    const char* valueName;
    const char* foundFormat;  // value name, value
    const char* absentLine;
    std::size_t shownLength;  // the value is cut after this many characters
};

// The value buffer holds 256 bytes; reads are given a capacity of 255.
constexpr std::size_t VALUE_BUFFER_SIZE = 256;
constexpr std::size_t VALUE_READ_CAPACITY = 255;
// The uninstall command is shown by its first 40 characters, and "..." always.
constexpr std::size_t UNINSTALL_SHOWN_LENGTH = 40;

constexpr RegistryCheck REGISTRY_CHECKS[] = {
    {"Checking Front Panel applet section...", DRIVER_KEY, VALUE_START_APPLET,
     "\t[%s = %s]\n", "\t[NONE]\n", VALUE_READ_CAPACITY},
    {"Checking applet Run section...", RUN_KEY, VALUE_RUN_FRONT_PANEL, "\t\t[%s = %s]\n",
     "\t\t[NONE]\n", VALUE_READ_CAPACITY},
    {"Checking VxD info section...", DRIVER_KEY, VALUE_INSTALLED, "\t\t[%s = %s]\n",
     "\t\t[NONE]\n", VALUE_READ_CAPACITY},
    {"Checking uninstall info section...", UNINSTALL_KEY, VALUE_INF_DEFAULT_UNINSTALL,
     "\n\t[%s = %s...]\n", "\t[NONE]\n", UNINSTALL_SHOWN_LENGTH},
};

// Formats into a fixed buffer; false when the result would not fit, so that a cut
// path is never tested in place of the real one.
template <std::size_t N, typename... Texts>
bool FormPath(char (&out)[N], const char* format, Texts... texts) {
    const int length = std::snprintf(out, N, format, texts...);
    return length >= 0 && static_cast<std::size_t>(length) < N;
}

}  // namespace

void InstallationScanner::Run() {
    CheckWindowsVersion();
    ScanRegistry();
    ScanHardware();
    ScanFiles();
    PrintTotals();
}

void InstallationScanner::CheckWindowsVersion() {
    WindowsVersion version;
    if (!system_.GetVersion(&version)) {
        PrintReport(output_, "Error reading Windows version...using default 4.0.950\n");
    }
    FindHardwareKey(registry_, hardwareKey_);
}

void InstallationScanner::ScanRegistry() {
    PrintReport(output_, "\nQor REGISTRY ENTRIES\n--------------------\n");
    for (const RegistryCheck& check : REGISTRY_CHECKS) {
        PrintReport(output_, "%s", check.heading);
        char value[VALUE_BUFFER_SIZE] = {};
        if (ReadRegStr(registry_, check.keyPath, check.valueName, value, VALUE_READ_CAPACITY) ==
            1) {
            value[check.shownLength] = '\0';
            PrintReport(output_, check.foundFormat, check.valueName, value);
            ++counters_.sectionsFound;
        } else {
            PrintReport(output_, "%s", check.absentLine);
        }
    }
}

void InstallationScanner::ScanHardware() {
    PrintReport(output_, "Checking PCI hardware section...");
    Registry::Key key = nullptr;
    if (hardwareKey_[0] == '\0' ||
        registry_.OpenKey(hardwareKey_, RegAccess::Read, &key) != REG_RESULT_OK) {
        PrintReport(output_, "\t[NONE]\n");
        return;
    }
    PrintReport(output_, "\n\t[Hardware ID: %s]\n", hardwareKey_);
    ++counters_.sectionsFound;
    registry_.CloseKey(key);
}

void InstallationScanner::ScanFiles() {
    PrintReport(output_, "\nQor DRIVER FILES\n--------------------\n");
    char windowsFolder[WINDOWS_FOLDER_SIZE] = {};
    const std::size_t length = system_.GetWindowsDirectory(windowsFolder, sizeof windowsFolder);
    // Unknown or too long for the buffer: printed empty, and nothing is tested, since a
    // path formed from it would name some other place.
    const bool folderKnown = length > 0 && length < sizeof windowsFolder;
    if (!folderKnown) windowsFolder[0] = '\0';
    for (const FileGroup& group : SCANNED_FILE_GROUPS) {
        ScanFileGroup(group, folderKnown ? windowsFolder : nullptr);
    }
    PrintReport(output_, "\n");
}

void InstallationScanner::ScanFileGroup(const FileGroup& group, const char* windowsFolder) {
    char folder[SCAN_PATH_SIZE] = {};
    const bool formed =
        windowsFolder != nullptr && FormPath(folder, group.folderFormat, windowsFolder);
    PrintReport(output_, group.heading, folder);
    for (std::size_t i = 0; i < group.fileCount; ++i) {
        CheckFile(formed ? folder : nullptr, group.files[i].name);
    }
}

void InstallationScanner::CheckFile(const char* folder, const char* name) {
    char path[SCAN_PATH_SIZE] = {};
    if (folder == nullptr || !FormPath(path, "%s\\%s", folder, name)) return;
    if (!system_.PathExists(path)) return;
    PrintReport(output_, "\t%s ", name);
    ++counters_.filesFound;
}

void InstallationScanner::PrintTotals() {
    PrintReport(output_, "\nFound %d files and %d (of %d) Qor-related registry sections.\n",
                counters_.filesFound, counters_.sectionsFound, REGISTRY_SECTION_COUNT);
    if (counters_.filesFound == 0 && counters_.sectionsFound == 0) {
        PrintReport(output_, "Qor appears to be uninstalled.\n");
    }
}

}  // namespace qor
