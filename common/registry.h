// The registry as the logic sees it: keys under HKEY_LOCAL_MACHINE, opened by path,
// never created. The operations, their results and their buffer rules are those of
// the Win32 ANSI registry calls, so the Win32 realisation is a plain pass-through and
// the in-memory one must behave the same wherever the logic could tell them apart.
#pragma once

#include <cstdint>

namespace qor {

// Result codes: the Win32 error numbers the logic may meet.
using RegResult = long;
constexpr RegResult REG_RESULT_OK = 0;
constexpr RegResult REG_RESULT_NOT_FOUND = 2;      // ERROR_FILE_NOT_FOUND
constexpr RegResult REG_RESULT_ACCESS_DENIED = 5;  // ERROR_ACCESS_DENIED
constexpr RegResult REG_RESULT_INVALID_HANDLE = 6; // ERROR_INVALID_HANDLE
constexpr RegResult REG_RESULT_INVALID = 87;       // ERROR_INVALID_PARAMETER
constexpr RegResult REG_RESULT_BAD_PATHNAME = 161; // ERROR_BAD_PATHNAME
constexpr RegResult REG_RESULT_MORE_DATA = 234;    // ERROR_MORE_DATA
constexpr RegResult REG_RESULT_NO_MORE_ITEMS = 259;// ERROR_NO_MORE_ITEMS
constexpr RegResult REG_RESULT_KEY_DELETED = 1018; // ERROR_KEY_DELETED: an open key was deleted

// Value types, numbered as in Win32.
enum class RegType : std::uint32_t {
    None = 0,
    String = 1,        // REG_SZ
    ExpandString = 2,  // REG_EXPAND_SZ
    Binary = 3,        // REG_BINARY
    Dword = 4,         // REG_DWORD
    MultiString = 7,   // REG_MULTI_SZ
};

// The types whose data is text with a terminating zero.
inline bool IsStringType(RegType type) {
    return type == RegType::String || type == RegType::ExpandString ||
           type == RegType::MultiString;
}

enum class RegAccess { Read, Write, All };

class Registry {
public:
    using Key = void*;

    virtual ~Registry() = default;

    // Opens an existing key below HKEY_LOCAL_MACHINE; path "" is the root itself.
    // Fails with REG_RESULT_NOT_FOUND when any component is missing.
    virtual RegResult OpenKey(const char* path, RegAccess access, Key* key) = 0;
    virtual RegResult CloseKey(Key key) = 0;

    // As RegQueryValueExA: name null or "" is the default value. data may be null to
    // ask for the size only. On entry *size is the buffer's size in bytes; on return
    // the size of the data. A buffer too small gives REG_RESULT_MORE_DATA.
    virtual RegResult QueryValue(Key key, const char* name, RegType* type,
                                 unsigned char* data, std::uint32_t* size) = 0;
    // As RegSetValueExA: size counts every byte given, a string's zero included.
    virtual RegResult SetValue(Key key, const char* name, RegType type,
                               const unsigned char* data, std::uint32_t size) = 0;
    virtual RegResult DeleteValue(Key key, const char* name) = 0;

    // As RegEnumKeyA: the subkey name at index into a buffer of nameSize bytes;
    // REG_RESULT_NO_MORE_ITEMS past the last one.
    virtual RegResult EnumKey(Key key, std::uint32_t index, char* name,
                              std::uint32_t nameSize) = 0;
    // As RegEnumValueA. *nameSize counts characters without the zero on return.
    virtual RegResult EnumValue(Key key, std::uint32_t index, char* name,
                                std::uint32_t* nameSize, RegType* type,
                                unsigned char* data, std::uint32_t* dataSize) = 0;

    struct KeyInfo {
        std::uint32_t subKeys = 0;
        std::uint32_t maxSubKeyLength = 0;     // characters, without the zero
        std::uint32_t values = 0;
        std::uint32_t maxValueNameLength = 0;  // characters, without the zero
        std::uint32_t maxValueDataSize = 0;    // bytes
    };
    virtual RegResult QueryInfoKey(Key key, KeyInfo* info) = 0;

    // Removes the key at path and everything below it.
    virtual RegResult DeleteKey(const char* path) = 0;
};

}  // namespace qor
