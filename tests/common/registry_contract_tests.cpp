// The cases every registry realisation must pass; see registry_contract.h.
#include <cstring>
#include <string>
#include <vector>

#include "registry_contract.h"
#include "registry_helpers.h"

namespace qor::test {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes TextBytes(const char* text, std::size_t size) {
    return Bytes(reinterpret_cast<const unsigned char*>(text),
                 reinterpret_cast<const unsigned char*>(text) + size);
}

std::vector<std::string> SubkeyNames(Registry& registry, Registry::Key key) {
    std::vector<std::string> names;
    char name[260];
    while (registry.EnumKey(key, static_cast<std::uint32_t>(names.size()), name, sizeof name) ==
           REG_RESULT_OK)
        names.emplace_back(name);
    return names;
}

std::vector<std::string> ValueNames(Registry& registry, Registry::Key key) {
    std::vector<std::string> names;
    for (;;) {
        char name[260];
        std::uint32_t nameSize = sizeof name;
        if (registry.EnumValue(key, static_cast<std::uint32_t>(names.size()), name, &nameSize,
                               nullptr, nullptr, nullptr) != REG_RESULT_OK)
            break;
        names.emplace_back(name, nameSize);
    }
    return names;
}

TEST_P(RegistryContract, OpensAndQueriesWithoutRegardToCase) {
    Registry::Key key = nullptr;
    ASSERT_EQ(registry().OpenKey("SOFTWARE\\qorcontracttest\\tree\\BRANCH", RegAccess::Read, &key),
              REG_RESULT_OK);
    char text[8] = {};
    std::uint32_t size = sizeof text;
    RegType type = RegType::None;
    Registry::Key leaf = Open("Tree\\Branch\\Leaf");
    EXPECT_EQ(registry().QueryValue(leaf, "LEAF", &type,
                                    reinterpret_cast<unsigned char*>(text), &size),
              REG_RESULT_OK);
    EXPECT_STREQ(text, "1");
    EXPECT_EQ(registry().CloseKey(key), REG_RESULT_OK);
}

TEST_P(RegistryContract, PathSpellings) {
    struct Case {
        const char* path;
        RegResult expected;
    };
    const Case cases[] = {
        {"Software\\QorContractTest\\Tree\\", REG_RESULT_OK},  // trailing backslash ignored
        {"Software\\\\QorContractTest", REG_RESULT_OK},        // doubled backslash skipped
        {"", REG_RESULT_OK},                                    // the root itself
        {"\\Software\\QorContractTest", REG_RESULT_BAD_PATHNAME},
        {"Software\\QorContractTest\\Missing", REG_RESULT_NOT_FOUND},
        {"Software\\QorContractTest\\Missing\\Deeper", REG_RESULT_NOT_FOUND},
    };
    for (const Case& c : cases) {
        Registry::Key key = nullptr;
        EXPECT_EQ(registry().OpenKey(c.path, RegAccess::Read, &key), c.expected) << c.path;
        if (c.expected == REG_RESULT_OK) registry().CloseKey(key);
    }
}

TEST_P(RegistryContract, OpeningAMissingKeyNeverCreatesIt) {
    for (const RegAccess access : {RegAccess::Write, RegAccess::All, RegAccess::Read}) {
        Registry::Key key = nullptr;
        EXPECT_EQ(registry().OpenKey("Software\\QorContractTest\\Missing", access, &key),
                  REG_RESULT_NOT_FOUND);
    }
    EXPECT_EQ(WriteRegStr(registry(), "Software\\QorContractTest\\Missing", "Value", "x"), 0);
    EXPECT_EQ(SubkeyNames(registry(), Open()),
              (std::vector<std::string>{"Order", "Small", "Tree"}));
}

// Wine orders names folded to lower case: '[', '_' and digits come before letters,
// and a name comes before the longer names it begins.
const std::vector<std::string> ORDERED_NAMES = {"A1", "A[",   "a_", "A_x", "alpha",
                                                "AZ", "B", "Zeta", "~"};

TEST_P(RegistryContract, SubkeysEnumerateInRegistryOrder) {
    EXPECT_EQ(SubkeyNames(registry(), Open("Order")), ORDERED_NAMES);
}

TEST_P(RegistryContract, ValuesEnumerateInRegistryOrderDefaultFirst) {
    std::vector<std::string> expected = {""};
    expected.insert(expected.end(), ORDERED_NAMES.begin(), ORDERED_NAMES.end());
    EXPECT_EQ(ValueNames(registry(), Open("Order")), expected);
}

TEST_P(RegistryContract, TypedDataAsStored) {
    struct Case {
        const char* name;
        RegType type;
        Bytes data;
    };
    const Case cases[] = {
        {"Text", RegType::String, TextBytes("hello", 6)},
        {"Escaped", RegType::String, TextBytes("back\\slash \"quoted\"", 20)},
        {nullptr, RegType::String, TextBytes("default text", 13)},
        {"", RegType::String, TextBytes("default text", 13)},
        {"Number", RegType::Dword, {0x78, 0x56, 0x34, 0x12}},
        {"Binary", RegType::Binary, {0x00, 0x01, 0xfe, 0xff}},
        {"Expand", RegType::ExpandString, TextBytes("%PATH%", 7)},
        {"Multi", RegType::MultiString, TextBytes("a\0bc\0", 6)},
        // Stored without its zero: the query adds one.
        {"NoZero", RegType::String, TextBytes("abc", 4)},
        {"Empty", RegType::String, TextBytes("", 1)},
        {"Continued", RegType::Binary, {1, 2, 3, 4}},
    };
    Registry::Key key = Open();
    for (const Case& c : cases) {
        const char* label = c.name == nullptr ? "(null)" : c.name;
        unsigned char data[64];
        std::memset(data, 0xAA, sizeof data);
        std::uint32_t size = sizeof data;
        RegType type = RegType::None;
        ASSERT_EQ(registry().QueryValue(key, c.name, &type, data, &size), REG_RESULT_OK) << label;
        EXPECT_EQ(type, c.type) << label;
        EXPECT_EQ(Bytes(data, data + size), c.data) << label;
    }
}

TEST_P(RegistryContract, QuerySizes) {
    Registry::Key key = Open();
    for (const char* name : {"Text", "Number", "NoZero", "Multi", "Long254"}) {
        std::uint32_t needed = 0;
        RegType type = RegType::None;
        ASSERT_EQ(registry().QueryValue(key, name, &type, nullptr, &needed), REG_RESULT_OK) << name;
        ASSERT_GT(needed, 0u) << name;

        std::vector<unsigned char> buffer(needed + 4, 0xAA);
        std::uint32_t size = needed - 1;
        EXPECT_EQ(registry().QueryValue(key, name, &type, buffer.data(), &size),
                  REG_RESULT_MORE_DATA)
            << name;
        EXPECT_EQ(size, needed) << name;
        EXPECT_EQ(buffer[0], 0xAA) << name << ": a buffer too small is left untouched";

        size = needed;
        EXPECT_EQ(registry().QueryValue(key, name, &type, buffer.data(), &size), REG_RESULT_OK)
            << name;
        EXPECT_EQ(size, needed) << name;
    }
    std::uint32_t size = 10;
    EXPECT_EQ(registry().QueryValue(key, "Missing", nullptr, nullptr, &size), REG_RESULT_NOT_FOUND);
    unsigned char byte = 0;
    EXPECT_EQ(registry().QueryValue(key, "Text", nullptr, &byte, nullptr), REG_RESULT_INVALID);
}

TEST_P(RegistryContract, StringReadLimitThroughReadRegStr) {
    char text[300];
    EXPECT_EQ(ReadRegStr(registry(), TEST_KEY, "Long254", text, sizeof text), 1);
    EXPECT_EQ(std::strlen(text), 254u);
    EXPECT_EQ(ReadRegStr(registry(), TEST_KEY, "Long255", text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(ReadRegStr(registry(), TEST_KEY, "NoZero", text, sizeof text), 1);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(ReadRegStr(registry(), TEST_KEY, "Number", text, sizeof text), 0);
}

TEST_P(RegistryContract, EnumKeyNeedsRoomForTheZero) {
    Registry::Key key = Open("Small");
    char name[16];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(registry().EnumKey(key, 0, name, 6), REG_RESULT_MORE_DATA);
    EXPECT_EQ(name[0], '#') << "a buffer too small is left untouched";
    EXPECT_EQ(registry().EnumKey(key, 0, name, 7), REG_RESULT_OK);
    EXPECT_STREQ(name, "ABCDEF");
    EXPECT_EQ(registry().EnumKey(key, 1, name, sizeof name), REG_RESULT_NO_MORE_ITEMS);
}

TEST_P(RegistryContract, EnumValueBuffers) {
    Registry::Key key = Open("Tree\\Branch\\Leaf");  // one value: "Leaf"="1"
    char name[16];
    unsigned char data[16];
    RegType type = RegType::None;

    std::uint32_t nameSize = 4;  // "Leaf" needs 5 with its zero
    std::uint32_t dataSize = sizeof data;
    EXPECT_EQ(registry().EnumValue(key, 0, name, &nameSize, &type, data, &dataSize),
              REG_RESULT_MORE_DATA);

    nameSize = sizeof name;
    dataSize = 1;  // "1" needs 2
    EXPECT_EQ(registry().EnumValue(key, 0, name, &nameSize, &type, data, &dataSize),
              REG_RESULT_MORE_DATA);
    EXPECT_EQ(dataSize, 2u);

    nameSize = sizeof name;
    dataSize = 0;
    EXPECT_EQ(registry().EnumValue(key, 0, name, &nameSize, &type, nullptr, &dataSize),
              REG_RESULT_OK);
    EXPECT_EQ(nameSize, 4u);
    EXPECT_STREQ(name, "Leaf");
    EXPECT_EQ(dataSize, 2u);
    EXPECT_EQ(type, RegType::String);

    nameSize = sizeof name;
    dataSize = sizeof data;
    EXPECT_EQ(registry().EnumValue(key, 0, name, &nameSize, &type, data, &dataSize), REG_RESULT_OK);
    EXPECT_STREQ(reinterpret_cast<char*>(data), "1");
    nameSize = sizeof name;
    EXPECT_EQ(registry().EnumValue(key, 1, name, &nameSize, nullptr, nullptr, nullptr),
              REG_RESULT_NO_MORE_ITEMS);
}

TEST_P(RegistryContract, QueryInfoKeyCountsAndLengths) {
    Registry::KeyInfo info;
    ASSERT_EQ(registry().QueryInfoKey(Open("Order"), &info), REG_RESULT_OK);
    EXPECT_EQ(info.subKeys, 9u);
    EXPECT_EQ(info.maxSubKeyLength, 5u);  // "alpha"
    EXPECT_EQ(info.values, 10u);
    EXPECT_EQ(info.maxValueNameLength, 5u);

    ASSERT_EQ(registry().QueryInfoKey(Open(), &info), REG_RESULT_OK);
    EXPECT_EQ(info.subKeys, 3u);
    EXPECT_EQ(info.values, 12u);
    EXPECT_EQ(info.maxValueNameLength, 9u);  // "Continued"
    // An upper bound that lets every value of the key be queried in one go.
    EXPECT_GE(info.maxValueDataSize, 256u);  // "Long255" with its zero
}

TEST_P(RegistryContract, SetValueStoresAStringUpToItsZero) {
    Registry::Key key = Open();
    struct Case {
        const char* name;
        const char* text;
        std::uint32_t size;
        Bytes stored;
    };
    const Case cases[] = {
        {"Whole", "abc", 4, TextBytes("abc", 4)},
        {"ZeroNotCounted", "abc", 3, TextBytes("abc", 4)},  // the zero follows the bytes given
        {"InnerZero", "ab\0cd", 6, TextBytes("ab", 3)},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(registry().SetValue(key, c.name, RegType::String,
                                      reinterpret_cast<const unsigned char*>(c.text), c.size),
                  REG_RESULT_OK)
            << c.name;
        unsigned char data[16];
        std::uint32_t size = sizeof data;
        ASSERT_EQ(registry().QueryValue(key, c.name, nullptr, data, &size), REG_RESULT_OK);
        EXPECT_EQ(Bytes(data, data + size), c.stored) << c.name;
    }
    const unsigned char dword[] = {1, 2, 3};  // other types keep exactly what is given
    ASSERT_EQ(registry().SetValue(key, "Short", RegType::Dword, dword, 3), REG_RESULT_OK);
    std::uint32_t size = 0;
    EXPECT_EQ(registry().QueryValue(key, "Short", nullptr, nullptr, &size), REG_RESULT_OK);
    EXPECT_EQ(size, 3u);
}

TEST_P(RegistryContract, ValueNamesUpToTheLimit) {
    Registry::Key key = Open();
    const unsigned char text[] = "x";
    EXPECT_EQ(registry().SetValue(key, std::string(16383, 'v').c_str(), RegType::String, text, 2),
              REG_RESULT_OK);
    EXPECT_EQ(registry().SetValue(key, std::string(16384, 'v').c_str(), RegType::String, text, 2),
              REG_RESULT_INVALID);
}

TEST_P(RegistryContract, OverwriteKeepsTheNameAndItsPlace) {
    Registry::Key key = Open("Order");
    const std::vector<std::string> before = ValueNames(registry(), key);
    ASSERT_EQ(registry().SetValue(key, "ALPHA", RegType::Dword, TextBytes("abcd", 4).data(), 4),
              REG_RESULT_OK);
    EXPECT_EQ(ValueNames(registry(), key), before);
    RegType type = RegType::None;
    EXPECT_EQ(registry().QueryValue(key, "alpha", &type, nullptr, nullptr), REG_RESULT_OK);
    EXPECT_EQ(type, RegType::Dword);
}

TEST_P(RegistryContract, DeleteValue) {
    Registry::Key key = Open();
    EXPECT_EQ(registry().DeleteValue(key, "TEXT"), REG_RESULT_OK);
    EXPECT_EQ(registry().QueryValue(key, "Text", nullptr, nullptr, nullptr), REG_RESULT_NOT_FOUND);
    EXPECT_EQ(registry().DeleteValue(key, "Text"), REG_RESULT_NOT_FOUND);
}

TEST_P(RegistryContract, DeleteKeyRemovesTheWholeSubtree) {
    Registry::Key leaf = Open("Tree\\Branch\\Leaf");
    EXPECT_EQ(registry().DeleteKey("Software\\QorContractTest\\TREE"), REG_RESULT_OK);
    for (const char* path : {"Software\\QorContractTest\\Tree",
                             "Software\\QorContractTest\\Tree\\Branch\\Leaf",
                             "Software\\QorContractTest\\Tree\\Other"}) {
        Registry::Key key = nullptr;
        EXPECT_EQ(registry().OpenKey(path, RegAccess::Read, &key), REG_RESULT_NOT_FOUND) << path;
    }
    // A key still open below the removed one answers that it is gone.
    EXPECT_EQ(registry().QueryValue(leaf, "Leaf", nullptr, nullptr, nullptr),
              REG_RESULT_KEY_DELETED);
    EXPECT_EQ(SubkeyNames(registry(), Open()), (std::vector<std::string>{"Order", "Small"}));
    EXPECT_EQ(registry().DeleteKey("Software\\QorContractTest\\Tree"), REG_RESULT_NOT_FOUND);
}

TEST_P(RegistryContract, TheRootCannotBeDeleted) {
    EXPECT_EQ(registry().DeleteKey(""), REG_RESULT_ACCESS_DENIED);
    EXPECT_EQ(registry().DeleteKey("\\"), REG_RESULT_BAD_PATHNAME);
    Registry::Key key = nullptr;
    ASSERT_EQ(registry().OpenKey(TEST_KEY, RegAccess::Read, &key), REG_RESULT_OK);
    registry().CloseKey(key);
}

}  // namespace
}  // namespace qor::test
