// How the registry compares and orders key and value names, and how it splits a
// key path into names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Longest names the registry stores, in characters (as Wine accepts them).
inline constexpr std::size_t REG_MAX_KEY_NAME_LENGTH = 256;
inline constexpr std::size_t REG_MAX_VALUE_NAME_LENGTH = 16383;

// Names are equal regardless of ASCII case.
bool RegNamesEqual(std::string_view a, std::string_view b);
// The order in which the registry enumerates subkeys and values (Wine's: names
// folded to lower case, compared bytewise, a prefix before the longer name).
// Negative, zero or positive, as with std::string::compare.
int CompareRegNames(std::string_view a, std::string_view b);

// The names of a key path relative to HKEY_LOCAL_MACHINE. Empty components (a
// doubled or trailing backslash) are skipped, as RegOpenKeyExA does; false for a
// path with a leading backslash, which RegOpenKeyExA rejects.
bool SplitRegPath(std::string_view path, std::vector<std::string>* names);

}  // namespace qor
