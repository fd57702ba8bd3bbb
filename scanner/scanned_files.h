// The ten installed files the scanner looks for, in the order of checking and
// printing, grouped by the folder that holds them.
#pragma once

#include <cstddef>
#include <iterator>

#include "install_layout.h"

namespace qor {

// Each name sits in a 20-byte slot; the longest has 12 characters.
inline constexpr std::size_t FILE_SLOT_SIZE = 20;

struct FileSlot {
    char name[FILE_SLOT_SIZE];
};

// Used only in constant initialisers: a name of FILE_SLOT_SIZE characters or more
// would write past the slot, which is no constant expression, so it fails the build.
constexpr FileSlot MakeFileSlot(const char* name) {
    FileSlot slot{};
    std::size_t i = 0;
    for (; name[i] != '\0'; ++i) slot.name[i] = name[i];
    slot.name[i] = '\0';
    return slot;
}

struct FileGroup {
    // Printed before the group's names, with the folder.
    const char* heading;
    // Forms the folder from the Windows folder.
    const char* folderFormat;
    const FileSlot* files;
    std::size_t fileCount;
};

inline constexpr FileSlot WINDOWS_FOLDER_FILES[] = {
    MakeFileSlot(FILE_QORPANEL), MakeFileSlot(FILE_QORRMCPL), MakeFileSlot(FILE_QORSCAN),
    MakeFileSlot(FILE_QORRMDEV)};
inline constexpr FileSlot SYSTEM_FOLDER_FILES[] = {
    MakeFileSlot(FILE_QORPORT_VXD), MakeFileSlot(FILE_QOR_DBS_VXD), MakeFileSlot(FILE_QORCPL)};
inline constexpr FileSlot INF_FOLDER_FILES[] = {
    MakeFileSlot(FILE_MDMQOR_INF), MakeFileSlot(FILE_QORSERWV_INF), MakeFileSlot(FILE_QORPORT_INF)};

inline constexpr FileGroup SCANNED_FILE_GROUPS[] = {
    {"Checking files in %s...\n", "%s", WINDOWS_FOLDER_FILES, std::size(WINDOWS_FOLDER_FILES)},
    {"\nChecking files in %s...\n", SYSTEM_FOLDER_FORMAT, SYSTEM_FOLDER_FILES,
     std::size(SYSTEM_FOLDER_FILES)},
    {"\nChecking files in %s...\n", INF_FOLDER_FORMAT, INF_FOLDER_FILES,
     std::size(INF_FOLDER_FILES)},
};

}  // namespace qor
