#include "reg_file.h"

#include <cstdint>
#include <cstdio>

namespace qor {

namespace {

// regedit breaks hex lists so that no line grows past 80 columns.
constexpr std::size_t HEX_LINE_LIMIT = 76;

void AppendQuoted(std::string* out, std::string_view text) {
    out->push_back('"');
    for (const char c : text) {
        if (c == '\\' || c == '"') out->push_back('\\');
        out->push_back(c);
    }
    out->push_back('"');
}

// A string value a quoted text carries whole: one zero, at the end, and no line break.
bool FitsQuotedText(const RegFileValue& value) {
    if (value.type != RegType::String || value.data.empty() || value.data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        const unsigned char c = value.data[i];
        if (c == 0 || c == '\r' || c == '\n') return false;
    }
    return true;
}

void AppendHexList(std::string* out, std::size_t lineStart, const std::vector<unsigned char>& data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02x", data[i]);
        out->append(byte);
        if (i + 1 == data.size()) break;
        out->push_back(',');
        if (out->size() - lineStart >= HEX_LINE_LIMIT) {
            out->append("\\\r\n  ");
            lineStart = out->size() - 2;
        }
    }
}

void AppendValue(std::string* out, const RegFileValue& value) {
    const std::size_t lineStart = out->size();
    if (value.name.empty()) {
        out->push_back('@');
    } else {
        AppendQuoted(out, value.name);
    }
    out->push_back('=');
    if (value.remove) {
        out->push_back('-');
    } else if (FitsQuotedText(value)) {
        AppendQuoted(out, std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                           value.data.size() - 1));
    } else if (value.type == RegType::Dword && value.data.size() == 4) {
        const std::uint32_t number = value.data[0] | static_cast<std::uint32_t>(value.data[1]) << 8 |
                                     static_cast<std::uint32_t>(value.data[2]) << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
        out->append(text);
    } else {
        if (value.type == RegType::Binary) {
            out->append("hex:");
        } else {
            char label[16];
            std::snprintf(label, sizeof label, "hex(%x):", static_cast<unsigned>(value.type));
            out->append(label);
        }
        AppendHexList(out, lineStart, value.data);
    }
    out->append("\r\n");
}

}  // namespace

std::string FormatRegText(const std::vector<RegFileKey>& keys) {
    std::string out(REG_FILE_HEADER);
    out.append("\r\n\r\n");
    for (const RegFileKey& key : keys) {
        out.append(key.remove ? "[-" : "[");
        out.append(REG_FILE_ROOT);
        if (!key.path.empty()) {
            out.push_back('\\');
            out.append(key.path);
        }
        out.append("]\r\n");
        for (const RegFileValue& value : key.values) AppendValue(&out, value);
        out.append("\r\n");
    }
    return out;
}

}  // namespace qor
