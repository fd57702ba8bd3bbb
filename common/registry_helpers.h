// The four value helpers every program builds on. Every value they touch is a string
// value; numbers are stored as decimal text. They open existing keys only.
#pragma once

#include <cstddef>

#include "registry.h"

namespace qor {

// Read limits: a string read fetches at most 255 bytes (text and zero), a number
// read at most 80, so longer values count as absent.
inline constexpr std::size_t REG_STRING_READ_LIMIT = 255;
inline constexpr std::size_t REG_NUMBER_READ_LIMIT = 80;

// 1 with the value's text in out (cut to capacity - 1 characters), or 0 with out
// empty. A null out returns 0 at once.
int ReadRegStr(Registry& registry, const char* keyPath, const char* valueName, char* out,
               std::size_t capacity);
// 1 when the text was stored, 0 when the key cannot be opened or the store fails.
int WriteRegStr(Registry& registry, const char* keyPath, const char* valueName,
                const char* text);
// The value's integer, or defaultValue when the key or value is absent, not a
// string, or too long.
int ReadRegNum(Registry& registry, const char* keyPath, const char* valueName,
               int defaultValue);
// How a string store ended, for callers that report a failed store but not a
// missing key. A null text is not stored (StoreFailed).
enum class StoreOutcome { KeyNotOpened, StoreFailed, Stored };
StoreOutcome StoreRegStr(Registry& registry, const char* keyPath, const char* valueName,
                         const char* text);
// Writes value as "%d" through WriteRegStr.
int WriteRegNum(Registry& registry, const char* keyPath, const char* valueName, int value);

}  // namespace qor
