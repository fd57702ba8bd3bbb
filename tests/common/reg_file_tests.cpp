#include "reg_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(ParseRegText, MalformedInputNamesItsLine) {
    struct Case {
        std::string text;
        const char* expected;  // the start of the message
    };
    const std::string longName(257, 'k');
    const Case cases[] = {
        {"", "line 1: not a registry file"},
        {"REGEDIT5\r\n", "line 1: not a registry file"},
        {"\r\nREGEDIT4\r\n", "line 1: not a registry file"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\Software]\r\n", "line 2: only keys under HKEY_LOCAL_MACHINE"},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINEX\\A]\r\n", "line 2: only keys under HKEY_LOCAL_MACHINE"},
        {"REGEDIT4\r\n[-HKEY_LOCAL_MACHINE]\r\n", "line 2: HKEY_LOCAL_MACHINE itself cannot be removed"},
        {"REGEDIT4\n\n\"a\"=\"b\"\n", "line 3: value line outside a [key] section"},
        {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\A]\n\"a\"=\"b\"\n", "line 3: value line outside"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\n", "line 2: a key line must end with ']'"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\\\\B]\n", "line 2: empty key name"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + longName + "]\n", "line 2: key name too long"},
        {"REGEDIT4\nnonsense\n", "line 2: expected [key] or a value line"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a=\"b\"\n", "line 3: expected '='"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=\"open\n", "line 3: quoted text without"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=\"C:\\Windows\"\n", "line 3: unknown escape"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=\"b\" c\n", "line 3: unexpected text after"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=text\n", "line 3: unknown data"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=dword:\n", "line 3: dword: needs"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=dword:123456789\n", "line 3: dword: takes at most 8"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:0g\n", "line 3: expected ','"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:zz\n", "line 3: bad byte"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:01,,02\n", "line 3: missing byte"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:01 02\n", "line 3: expected ','"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:123\n", "line 3: expected ','"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex(zz):01\n", "line 3: expected hex(type):"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex(123456789):01\n", "line 3: value type number too long"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:01,\\\n  02,\\\n", "line 4: the text ends inside"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:01,\\\n  02\n\"b\"=x\n", "line 5: unknown data"},
        {std::string("\xFF\xFE" "R\0E\0G\0E\0D\0I\0T\0" "4\0\n\0\x01\x30", 22), "line 2: not one-byte UTF-16LE text"},
    };
    for (const Case& c : cases) {
        std::vector<RegFileKey> keys;
        std::string error;
        EXPECT_FALSE(ParseRegText(c.text, &keys, &error)) << c.text;
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << "got: " << error << "\nfor: " << c.text;
    }
}

TEST(ParseRegText, ReadsEveryForm) {
    const std::string text =
        "\xEF\xBB\xBFREGEDIT4  \r\n"
        "; a comment\r\n"
        "\r\n"
        "[-HKEY_LOCAL_MACHINE\\Gone]\r\n"
        "[hkey_local_machine\\Software\\A]   \n"
        "@=\"default\"\r\n"
        "\"Text\" = \"a \\\"b\\\" \\\\c\" ; trailing comment\r\n"
        "\"Removed\"=-\r\n"
        "\"Small\"=dword:1\r\n"
        "\"Binary\"=hex:0,ff,\\\r\n"
        "    ; a comment inside is not data\r\n"
        "    7f, \\\n"
        "    1\r\n"
        "\"Typed\"=HEX(B):01,02,\r\n"
        "\"None\"=hex(0):\r\n"
        "[HKEY_LOCAL_MACHINE]\r\n";
    std::vector<RegFileKey> keys;
    std::string error;
    ASSERT_TRUE(ParseRegText(text, &keys, &error)) << error;
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_TRUE(keys[0].remove);
    EXPECT_EQ(keys[0].path, "Gone");
    EXPECT_EQ(keys[1].path, "Software\\A");
    EXPECT_EQ(keys[2].path, "");
    const std::vector<RegFileValue>& values = keys[1].values;
    ASSERT_EQ(values.size(), 7u);
    struct Expected {
        const char* name;
        bool remove;
        RegType type;
        Bytes data;
    };
    const Expected expected[] = {
        {"", false, RegType::String, {'d', 'e', 'f', 'a', 'u', 'l', 't', 0}},
        {"Text", false, RegType::String, {'a', ' ', '"', 'b', '"', ' ', '\\', 'c', 0}},
        {"Removed", true, RegType::None, {}},
        {"Small", false, RegType::Dword, {1, 0, 0, 0}},
        {"Binary", false, RegType::Binary, {0x00, 0xff, 0x7f, 0x01}},
        {"Typed", false, static_cast<RegType>(11), {1, 2}},
        {"None", false, RegType::None, {}},
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].name, expected[i].name) << i;
        EXPECT_EQ(values[i].remove, expected[i].remove) << i;
        EXPECT_EQ(values[i].type, expected[i].type) << i;
        EXPECT_EQ(values[i].data, expected[i].data) << i;
    }
}

TEST(ParseRegText, Version5TextInUtf16) {
    const std::string narrow =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"
        "\"Text\"=\"caf\xe9\"\r\n"
        "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n";
    std::string wide = "\xFF\xFE";
    for (const char c : narrow) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    std::vector<RegFileKey> keys;
    std::string error;
    ASSERT_TRUE(ParseRegText(wide, &keys, &error)) << error;
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(keys[0].values.size(), 2u);
    EXPECT_EQ(keys[0].values[0].data, (Bytes{'c', 'a', 'f', 0xe9, 0}));
    EXPECT_EQ(keys[0].values[1].data, (Bytes{'%', 'A', '%', 0}));

    // String data in UTF-16 must come in whole one-byte characters.
    const std::string odd = "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\A]\n"
                            "\"a\"=hex(1):41,00,42\n";
    EXPECT_FALSE(ParseRegText(odd, &keys, &error));
    EXPECT_EQ(error, "line 3: string data that is not one-byte UTF-16LE");
}

TEST(FormatRegText, WritesWhatRegeditWrites) {
    std::vector<RegFileKey> keys(3);
    keys[0].path = "Software\\A";
    keys[0].values = {
        {"", false, RegType::String, {'d', 0}},
        {"Q\"\\", false, RegType::String, {'C', ':', '\\', '"', 0}},
        {"Number", false, RegType::Dword, {0x78, 0x56, 0x34, 0x12}},
        {"Short", false, RegType::Dword, {1, 2}},
        {"Bin", false, RegType::Binary, {0, 0xab}},
        {"Expand", false, RegType::ExpandString, {'%', 0}},
        {"Break", false, RegType::String, {'a', '\n', 0}},
        {"NoZero", false, RegType::String, {'a'}},
        {"Gone", true, RegType::None, {}},
    };
    keys[1].path = "Software\\Old";
    keys[1].remove = true;
    keys[2].path = "";
    EXPECT_EQ(FormatRegText(keys),
              "REGEDIT4\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"
              "@=\"d\"\r\n"
              "\"Q\\\"\\\\\"=\"C:\\\\\\\"\"\r\n"
              "\"Number\"=dword:12345678\r\n"
              "\"Short\"=hex(4):01,02\r\n"
              "\"Bin\"=hex:00,ab\r\n"
              "\"Expand\"=hex(2):25,00\r\n"
              "\"Break\"=hex(1):61,0a,00\r\n"
              "\"NoZero\"=hex(1):61\r\n"
              "\"Gone\"=-\r\n"
              "\r\n"
              "[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE]\r\n"
              "\r\n");
}

TEST(FormatRegText, LongHexListsAreContinuedAndReadBack) {
    std::vector<RegFileKey> keys(1);
    keys[0].path = "A";
    Bytes data(300);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i);
    keys[0].values = {{"A rather long value name", false, RegType::Binary, data}};
    const std::string text = FormatRegText(keys);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
        start = end + 2;
    }
    std::vector<RegFileKey> parsed;
    std::string error;
    ASSERT_TRUE(ParseRegText(text, &parsed, &error)) << error;
    ASSERT_EQ(parsed.size(), 1u);
    ASSERT_EQ(parsed[0].values.size(), 1u);
    EXPECT_EQ(parsed[0].values[0].data, data);
}

}  // namespace
}  // namespace qor
