#include "win32_registry.h"

#include <windows.h>

#include <string>

#include "registry_names.h"

namespace qor {

namespace {

HKEY ToHkey(Registry::Key key) { return static_cast<HKEY>(key); }

REGSAM ToSam(RegAccess access) {
    switch (access) {
    case RegAccess::Read: return KEY_READ;
    case RegAccess::Write: return KEY_WRITE;
    case RegAccess::All: break;
    }
    return KEY_ALL_ACCESS;
}

// Deletes every subkey of the open key, depth first, then nothing else.
RegResult DeleteSubkeys(HKEY key) {
    char name[REG_MAX_KEY_NAME_LENGTH + 1];
    // Index 0 each time: deleting a subkey moves the next one into its place.
    for (;;) {
        const LONG found = RegEnumKeyA(key, 0, name, sizeof name);
        if (found == ERROR_NO_MORE_ITEMS) return REG_RESULT_OK;
        if (found != ERROR_SUCCESS) return found;
        HKEY subkey = nullptr;
        LONG result = RegOpenKeyExA(key, name, 0, KEY_ALL_ACCESS, &subkey);
        if (result != ERROR_SUCCESS) return result;
        result = DeleteSubkeys(subkey);
        RegCloseKey(subkey);
        if (result == ERROR_SUCCESS) result = RegDeleteKeyA(key, name);
        // Stop rather than meet the same undeletable subkey again.
        if (result != ERROR_SUCCESS) return result;
    }
}

}  // namespace

RegResult Win32Registry::OpenKey(const char* path, RegAccess access, Key* key) {
    if (key == nullptr) return REG_RESULT_INVALID;
    HKEY opened = nullptr;
    const LONG result =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, path == nullptr ? "" : path, 0, ToSam(access), &opened);
    if (result == ERROR_SUCCESS) *key = opened;
    return result;
}

RegResult Win32Registry::CloseKey(Key key) { return RegCloseKey(ToHkey(key)); }

RegResult Win32Registry::QueryValue(Key key, const char* name, RegType* type, unsigned char* data,
                                    std::uint32_t* size) {
    DWORD valueType = REG_NONE;
    DWORD byteCount = size == nullptr ? 0 : *size;
    const LONG result = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType, data,
                                         size == nullptr ? nullptr : &byteCount);
    if (type != nullptr) *type = static_cast<RegType>(valueType);
    if (size != nullptr) *size = byteCount;
    return result;
}

RegResult Win32Registry::SetValue(Key key, const char* name, RegType type,
                                  const unsigned char* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name, 0, static_cast<DWORD>(type), data, size);
}

RegResult Win32Registry::DeleteValue(Key key, const char* name) {
    return RegDeleteValueA(ToHkey(key), name);
}

RegResult Win32Registry::EnumKey(Key key, std::uint32_t index, char* name,
                                 std::uint32_t nameSize) {
    // Wine's RegEnumKeyA writes through a null name; refuse it here.
    if (name == nullptr) return REG_RESULT_INVALID;
    return RegEnumKeyA(ToHkey(key), index, name, nameSize);
}

RegResult Win32Registry::EnumValue(Key key, std::uint32_t index, char* name,
                                   std::uint32_t* nameSize, RegType* type, unsigned char* data,
                                   std::uint32_t* dataSize) {
    if (name == nullptr || nameSize == nullptr) return REG_RESULT_INVALID;
    DWORD nameCount = *nameSize;
    DWORD valueType = REG_NONE;
    DWORD byteCount = dataSize == nullptr ? 0 : *dataSize;
    const LONG result = RegEnumValueA(ToHkey(key), index, name, &nameCount, nullptr, &valueType,
                                      data, dataSize == nullptr ? nullptr : &byteCount);
    *nameSize = nameCount;
    if (type != nullptr) *type = static_cast<RegType>(valueType);
    if (dataSize != nullptr) *dataSize = byteCount;
    return result;
}

RegResult Win32Registry::QueryInfoKey(Key key, KeyInfo* info) {
    if (info == nullptr) return REG_RESULT_INVALID;
    DWORD subKeys = 0;
    DWORD maxSubKeyLength = 0;
    DWORD values = 0;
    DWORD maxValueNameLength = 0;
    DWORD maxValueDataSize = 0;
    const LONG result =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLength,
                         nullptr, &values, &maxValueNameLength, &maxValueDataSize, nullptr, nullptr);
    if (result != ERROR_SUCCESS) return result;
    info->subKeys = subKeys;
    info->maxSubKeyLength = maxSubKeyLength;
    info->values = values;
    info->maxValueNameLength = maxValueNameLength;
    info->maxValueDataSize = maxValueDataSize;
    return REG_RESULT_OK;
}

RegResult Win32Registry::DeleteKey(const char* path) {
    if (path == nullptr) return REG_RESULT_INVALID;
    std::vector<std::string> names;
    if (!SplitRegPath(path, &names)) return REG_RESULT_BAD_PATHNAME;
    // Never empty HKEY_LOCAL_MACHINE itself, whatever the path's spelling.
    if (names.empty()) return REG_RESULT_ACCESS_DENIED;
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS) return result;
    result = DeleteSubkeys(key);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return result;
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
}

}  // namespace qor
