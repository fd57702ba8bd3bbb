// The text format of regedit's .reg files: "REGEDIT4" (or "Windows Registry Editor
// Version 5.00") and then [key] / [-key] sections with "name"=data lines. Only keys
// under HKEY_LOCAL_MACHINE are handled, as the registry interface reaches no other.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "registry.h"

namespace qor {

inline constexpr std::string_view REG_FILE_HEADER = "REGEDIT4";
inline constexpr std::string_view REG_FILE_ROOT = "HKEY_LOCAL_MACHINE";

struct RegFileValue {
    std::string name;          // "" is the key's default value (@)
    bool remove = false;       // "name"=-
    RegType type = RegType::None;
    std::vector<unsigned char> data;  // as stored: a string with its zero
};

struct RegFileKey {
    std::string path;          // relative to HKEY_LOCAL_MACHINE; "" is the root
    bool remove = false;       // [-key]
    std::vector<RegFileValue> values;
};

// Reads the whole text. On false, *error (when given) names the line and the fault
// and *keys is unspecified. Accepts LF or CRLF line ends, a UTF-8 or UTF-16LE byte
// order mark, comments (;) and continued hex lines (trailing backslash).
bool ParseRegText(std::string_view text, std::vector<RegFileKey>* keys, std::string* error);

// REGEDIT4 text with CRLF line ends. Strings that a quoted text cannot carry whole
// (line breaks, missing or inner zeros) are written as hex(1) so nothing is lost.
std::string FormatRegText(const std::vector<RegFileKey>& keys);

}  // namespace qor
