#include "registry_helpers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qor {

namespace {

// Opens the key, queries a string value into a zero-filled buffer of limit bytes
// and closes the key again. True only for a string value that fitted.
bool QueryString(Registry& registry, const char* keyPath, const char* valueName, char* buffer,
                 std::size_t limit) {
    std::memset(buffer, 0, limit);
    Registry::Key key = nullptr;
    if (registry.OpenKey(keyPath, RegAccess::Read, &key) != REG_RESULT_OK) return false;
    RegType type = RegType::None;
    auto size = static_cast<std::uint32_t>(limit);
    const RegResult result =
        registry.QueryValue(key, valueName, &type, reinterpret_cast<unsigned char*>(buffer), &size);
    registry.CloseKey(key);
    if (result != REG_RESULT_OK || type != RegType::String) return false;
    // A value stored without its zero may fill the buffer; keep the text terminated.
    buffer[limit - 1] = '\0';
    return true;
}

}  // namespace

int ReadRegStr(Registry& registry, const char* keyPath, const char* valueName, char* out,
               std::size_t capacity) {
    if (out == nullptr) return 0;
    if (capacity == 0) return 0;
    out[0] = '\0';
    char value[REG_STRING_READ_LIMIT];
    if (!QueryString(registry, keyPath, valueName, value, sizeof value)) return 0;
    std::memset(out, 0, capacity);
    std::strncpy(out, value, capacity - 1);
    return 1;
}

StoreOutcome StoreRegStr(Registry& registry, const char* keyPath, const char* valueName,
                         const char* text) {
    Registry::Key key = nullptr;
    if (registry.OpenKey(keyPath, RegAccess::Write, &key) != REG_RESULT_OK)
        return StoreOutcome::KeyNotOpened;
    RegResult result = REG_RESULT_INVALID;
    if (text != nullptr) {
        const auto size = static_cast<std::uint32_t>(std::strlen(text) + 1);
        result = registry.SetValue(key, valueName, RegType::String,
                                   reinterpret_cast<const unsigned char*>(text), size);
    }
    registry.CloseKey(key);
    return result == REG_RESULT_OK ? StoreOutcome::Stored : StoreOutcome::StoreFailed;
}

int WriteRegStr(Registry& registry, const char* keyPath, const char* valueName,
                const char* text) {
    return StoreRegStr(registry, keyPath, valueName, text) == StoreOutcome::Stored ? 1 : 0;
}

int ReadRegNum(Registry& registry, const char* keyPath, const char* valueName,
               int defaultValue) {
    char value[REG_NUMBER_READ_LIMIT];
    if (!QueryString(registry, keyPath, valueName, value, sizeof value)) return defaultValue;
    // Leading white space, one optional sign, decimal digits up to the first other
    // character; no digits give 0. Out-of-range text saturates instead of overflowing.
    const long long parsed = std::strtoll(value, nullptr, 10);
    if (parsed > 2147483647LL) return 2147483647;
    if (parsed < -2147483647LL - 1) return -2147483647 - 1;
    return static_cast<int>(parsed);
}

int WriteRegNum(Registry& registry, const char* keyPath, const char* valueName, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteRegStr(registry, keyPath, valueName, text);
}

}  // namespace qor
