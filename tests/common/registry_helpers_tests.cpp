#include "registry_helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "memory_registry.h"

namespace qor {
namespace {

constexpr const char* KEY = "Software\\Helpers";

class RegistryHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(registry.ImportRegText(
            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Helpers]\n"
            "\"Forty\"=\"0123456789012345678901234567890123456789\"\n"
            "\"Number\"=dword:00000007\n"
            "\"Digits79\"=\"" + std::string(79, '1') + "\"\n"
            "\"Digits80\"=\"" + std::string(80, '1') + "\"\n"
            "\"12abc\"=\"12abc\"\n\"abc\"=\"abc\"\n\"-7\"=\" -7\"\n\"+5\"=\"\t+5\"\n"
            "\"Empty\"=\"\"\n\"Huge\"=\"99999999999\"\n\"Tiny\"=\"-99999999999\"\n",
            &error))
            << error;
    }
    void TearDown() override { EXPECT_EQ(registry.OpenKeyCount(), 0u) << "a key was left open"; }

    MemoryRegistry registry;
};

TEST_F(RegistryHelpersTest, ReadRegStrCutsToTheCapacityAndZeroFills) {
    char out[40];
    std::memset(out, '#', sizeof out);
    ASSERT_EQ(ReadRegStr(registry, KEY, "Forty", out, 32), 1);
    EXPECT_EQ(std::string(out), std::string("0123456789012345678901234567890"));
    EXPECT_EQ(out[32], '#') << "nothing is written past the capacity";

    std::memset(out, '#', sizeof out);
    ASSERT_EQ(ReadRegStr(registry, KEY, "abc", out, 16), 1);
    EXPECT_EQ(std::string(out, 16), std::string("abc") + std::string(13, '\0'));
    EXPECT_EQ(out[16], '#');

    ASSERT_EQ(ReadRegStr(registry, KEY, "Forty", out, 1), 1);
    EXPECT_STREQ(out, "");
}

TEST_F(RegistryHelpersTest, ReadRegStrFailuresLeaveTheTextEmpty) {
    struct Case {
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"Software\\Missing", "Forty"},
        {KEY, "Missing"},
        {KEY, "Number"},  // not a string
    };
    for (const Case& c : cases) {
        char out[8] = "junk";
        EXPECT_EQ(ReadRegStr(registry, c.key, c.value, out, sizeof out), 0) << c.key << " " << c.value;
        EXPECT_STREQ(out, "") << c.key << " " << c.value;
    }
    EXPECT_EQ(ReadRegStr(registry, KEY, "Forty", nullptr, 10), 0);
    char untouched = '#';
    EXPECT_EQ(ReadRegStr(registry, KEY, "Forty", &untouched, 0), 0);
    EXPECT_EQ(untouched, '#');
}

TEST_F(RegistryHelpersTest, ReadRegNumConversion) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"12abc", 12},   {"abc", 0},         {"-7", -7},   {"+5", 5},
        {"Empty", 0},    {"Missing", 99},    {"Number", 99},  // a dword is not a string
        {"Digits80", 99},                                     // too long for the read
        {"Huge", INT_MAX}, {"Tiny", INT_MIN},                 // saturated, not wrapped
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadRegNum(registry, KEY, c.value, 99), c.expected) << c.value;
    EXPECT_EQ(ReadRegNum(registry, KEY, "Digits79", 99), INT_MAX);
    EXPECT_EQ(ReadRegNum(registry, "Software\\Missing", "12abc", -3), -3);
}

TEST_F(RegistryHelpersTest, WritesStoreStringsAndNeverCreateKeys) {
    EXPECT_EQ(WriteRegStr(registry, KEY, "New", "text"), 1);
    RegType type = RegType::None;
    Registry::Key key = nullptr;
    ASSERT_EQ(registry.OpenKey(KEY, RegAccess::Read, &key), REG_RESULT_OK);
    unsigned char data[16];
    std::uint32_t size = sizeof data;
    ASSERT_EQ(registry.QueryValue(key, "New", &type, data, &size), REG_RESULT_OK);
    registry.CloseKey(key);
    EXPECT_EQ(type, RegType::String);
    EXPECT_EQ(size, 5u);

    EXPECT_EQ(WriteRegNum(registry, KEY, "Num", INT_MIN), 1);
    char out[16];
    ASSERT_EQ(ReadRegStr(registry, KEY, "Num", out, sizeof out), 1);
    EXPECT_STREQ(out, "-2147483648");

    EXPECT_EQ(WriteRegStr(registry, "Software\\Missing", "New", "text"), 0);
    EXPECT_EQ(WriteRegNum(registry, "Software\\Missing", "New", 1), 0);
    EXPECT_EQ(registry.OpenKey("Software\\Missing", RegAccess::Read, &key), REG_RESULT_NOT_FOUND);

    EXPECT_EQ(WriteRegStr(registry, KEY, "Null", nullptr), 0);
    EXPECT_EQ(StoreRegStr(registry, KEY, "Null", nullptr), StoreOutcome::StoreFailed);
}

}  // namespace
}  // namespace qor
