#include "reg_file.h"

#include <algorithm>
#include <cstdint>

#include "registry_names.h"

namespace qor {

namespace {

constexpr std::string_view HEADER_VERSION5 = "Windows Registry Editor Version 5.00";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && RegNamesEqual(s.substr(0, prefix.size()), prefix);
}

// UTF-16LE (without its byte order mark) to single bytes. Only characters that fit
// one byte are taken: the registry interface here is the ANSI one. On false,
// *narrow holds what was converted before the fault.
bool NarrowUtf16(std::string_view wide, std::string* narrow) {
    narrow->clear();
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(wide[i]) |
                              static_cast<unsigned>(static_cast<unsigned char>(wide[i + 1])) << 8;
        if (unit > 0xFF) return false;
        narrow->push_back(static_cast<char>(unit));
    }
    return wide.size() % 2 == 0;
}

class Parser {
public:
    Parser(std::string_view text, std::vector<RegFileKey>* keys) : text_(text), keys_(keys) {}

    bool Run(std::string* error) {
        std::string_view line;
        if (!NextLine(&line) || !IsHeader(TrimRight(line)))
            return Fail("not a registry file: the first line must be \"REGEDIT4\"", error);
        while (NextLine(&line)) {
            const std::string_view content = TrimRight(TrimLeft(line));
            if (content.empty() || content.front() == ';') continue;
            bool ok = false;
            if (content.front() == '[') {
                ok = ParseKey(content);
            } else if (content.front() == '"' || content.front() == '@') {
                ok = ParseValue(content);
            } else {
                problem_ = "expected [key] or a value line";
            }
            if (!ok) return Fail(problem_, error);
        }
        return true;
    }

private:
    bool NextLine(std::string_view* line) {
        if (position_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', position_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        *line = text_.substr(position_, stop - position_);
        position_ = stop == text_.size() ? stop : stop + 1;
        ++lineNumber_;
        return true;
    }

    bool IsHeader(std::string_view line) {
        if (line == REG_FILE_HEADER) return true;
        if (line == HEADER_VERSION5) {
            unicodeData_ = true;
            return true;
        }
        return false;
    }

    bool Fail(const std::string& what, std::string* error) const {
        const int line = lineNumber_ > 0 ? lineNumber_ : 1;  // an empty text fails on line 1
        if (error != nullptr) *error = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    bool Problem(const char* what) {
        problem_ = what;
        return false;
    }

    // [HKEY_LOCAL_MACHINE\path] or [-HKEY_LOCAL_MACHINE\path]
    bool ParseKey(std::string_view line) {
        const std::size_t close = line.rfind(']');
        if (close != line.size() - 1) return Problem("a key line must end with ']'");
        std::string_view inside = line.substr(1, close - 1);
        RegFileKey key;
        if (!inside.empty() && inside.front() == '-') {
            key.remove = true;
            inside.remove_prefix(1);
        }
        const std::size_t slash = inside.find('\\');
        const std::string_view root = inside.substr(0, slash);
        if (!RegNamesEqual(root, REG_FILE_ROOT))
            return Problem("only keys under HKEY_LOCAL_MACHINE can be imported");
        const std::string_view path =
            slash == std::string_view::npos ? std::string_view() : inside.substr(slash + 1);
        for (std::string_view rest = path; !rest.empty();) {
            const std::size_t end = rest.find('\\');
            const std::string_view name = rest.substr(0, end);
            if (name.empty()) return Problem("empty key name in the path");
            if (name.size() > REG_MAX_KEY_NAME_LENGTH) return Problem("key name too long");
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 1);
        }
        if (key.remove && path.empty())
            return Problem("HKEY_LOCAL_MACHINE itself cannot be removed");
        key.path = std::string(path);
        keys_->push_back(std::move(key));
        return true;
    }

    // A quoted text with \\ and \" escapes; line is left after the closing quote.
    bool ParseQuoted(std::string_view* line, std::string* out) {
        out->clear();
        std::size_t i = 1;
        for (; i < line->size() && (*line)[i] != '"'; ++i) {
            char c = (*line)[i];
            if (c == '\\') {
                if (++i == line->size()) break;
                c = (*line)[i];
                if (c != '\\' && c != '"')
                    return Problem("unknown escape in a quoted text (use \\\\ or \\\")");
            }
            out->push_back(c);
        }
        if (i >= line->size()) return Problem("quoted text without its closing '\"'");
        line->remove_prefix(i + 1);
        return true;
    }

    // What may follow the data: blanks and a comment.
    bool AtEnd(std::string_view rest) {
        rest = TrimLeft(rest);
        if (rest.empty() || rest.front() == ';') return true;
        return Problem("unexpected text after the value");
    }

    bool ParseValue(std::string_view line) {
        if (keys_->empty() || keys_->back().remove)
            return Problem("value line outside a [key] section");
        RegFileValue value;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            if (!ParseQuoted(&line, &value.name)) return false;
            if (value.name.size() > REG_MAX_VALUE_NAME_LENGTH) return Problem("value name too long");
        }
        line = TrimLeft(line);
        if (line.empty() || line.front() != '=') return Problem("expected '=' after the value name");
        line = TrimLeft(line.substr(1));
        if (!ParseData(line, &value)) return false;
        keys_->back().values.push_back(std::move(value));
        return true;
    }

    bool ParseData(std::string_view line, RegFileValue* value) {
        if (!line.empty() && line.front() == '-') {
            value->remove = true;
            return AtEnd(line.substr(1));
        }
        if (!line.empty() && line.front() == '"') {
            std::string text;
            if (!ParseQuoted(&line, &text)) return false;
            value->type = RegType::String;
            value->data.assign(text.begin(), text.end());
            value->data.push_back(0);
            return AtEnd(line);
        }
        if (StartsWithNoCase(line, "dword:")) return ParseDword(line.substr(6), value);
        if (StartsWithNoCase(line, "hex:")) {
            value->type = RegType::Binary;
            return ParseHexList(line.substr(4), value);
        }
        if (StartsWithNoCase(line, "hex(")) {
            line.remove_prefix(4);
            std::uint32_t type = 0;
            std::size_t digits = 0;
            for (; digits < line.size() && HexDigit(line[digits]) >= 0; ++digits) {
                if (digits == 8) return Problem("value type number too long in hex(...)");
                type = type << 4 | static_cast<std::uint32_t>(HexDigit(line[digits]));
            }
            if (digits == 0 || line.substr(digits, 2) != "):")
                return Problem("expected hex(type): with a hexadecimal type number");
            value->type = static_cast<RegType>(type);
            return ParseHexList(line.substr(digits + 2), value);
        }
        return Problem("unknown data: expected \"text\", dword:, hex: or hex(type):");
    }

    bool ParseDword(std::string_view digits, RegFileValue* value) {
        std::uint32_t number = 0;
        std::size_t count = 0;
        for (; count < digits.size() && HexDigit(digits[count]) >= 0; ++count) {
            if (count == 8) return Problem("dword: takes at most 8 hexadecimal digits");
            number = number << 4 | static_cast<std::uint32_t>(HexDigit(digits[count]));
        }
        if (count == 0) return Problem("dword: needs hexadecimal digits");
        value->type = RegType::Dword;
        for (int shift = 0; shift < 32; shift += 8)
            value->data.push_back(static_cast<unsigned char>(number >> shift));
        return AtEnd(digits.substr(count));
    }

    // Comma-separated bytes of one or two hex digits; a backslash at the end of a
    // line continues the list on the next one.
    bool ParseHexList(std::string_view rest, RegFileValue* value) {
        bool expectByte = true;  // a byte may follow (start, or after a comma)
        for (;;) {
            rest = TrimLeft(rest);
            if (rest.empty() || rest.front() == ';') break;
            if (rest.front() == '\\' && TrimLeft(rest.substr(1)).empty()) {
                // Comment lines may sit between the continued lines, as regedit allows.
                do {
                    std::string_view next;
                    if (!NextLine(&next))
                        return Problem("the text ends inside a continued hex list");
                    rest = TrimLeft(TrimRight(next));
                } while (!rest.empty() && rest.front() == ';');
                continue;
            }
            if (rest.front() == ',') {
                if (expectByte) return Problem("missing byte between commas in a hex list");
                expectByte = true;
                rest.remove_prefix(1);
                continue;
            }
            if (!expectByte) return Problem("expected ',' between the bytes of a hex list");
            const int high = HexDigit(rest.front());
            if (high < 0) return Problem("bad byte in a hex list");
            int byte = high;
            rest.remove_prefix(1);
            if (!rest.empty() && HexDigit(rest.front()) >= 0) {
                byte = byte << 4 | HexDigit(rest.front());
                rest.remove_prefix(1);
            }
            value->data.push_back(static_cast<unsigned char>(byte));
            expectByte = false;
        }
        if (unicodeData_ && IsStringType(value->type)) {
            // Version 5 files hold string data as UTF-16LE.
            std::string narrow;
            if (!NarrowUtf16(std::string_view(reinterpret_cast<const char*>(value->data.data()),
                                              value->data.size()),
                             &narrow))
                return Problem("string data that is not one-byte UTF-16LE");
            value->data.assign(narrow.begin(), narrow.end());
        }
        return true;
    }

    std::string_view text_;
    std::vector<RegFileKey>* keys_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
    bool unicodeData_ = false;
    std::string problem_;
};

}  // namespace

bool ParseRegText(std::string_view text, std::vector<RegFileKey>* keys, std::string* error) {
    keys->clear();
    std::string narrow;
    if (text.substr(0, 2) == "\xFF\xFE") {
        if (!NarrowUtf16(text.substr(2), &narrow)) {
            const auto line = std::count(narrow.begin(), narrow.end(), '\n') + 1;
            if (error != nullptr)
                *error = "line " + std::to_string(line) + ": not one-byte UTF-16LE text";
            return false;
        }
        text = narrow;
    } else if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return Parser(text, keys).Run(error);
}

}  // namespace qor
