// What MemoryRegistry does beyond the contract shared with the real registry: its
// fixture functions, and the checks the real registry makes that tests rely on.
#include "memory_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "registry_contract.h"

namespace qor {
namespace {

using test::DumpSubtree;

class MemoryRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(registry.ImportRegText("REGEDIT4\r\n"
                                           "[HKEY_LOCAL_MACHINE\\Software\\Base]\r\n"
                                           "\"Text\"=\"kept\"\r\n"
                                           "[HKEY_LOCAL_MACHINE\\Software\\Base\\Child]\r\n",
                                           &error))
            << error;
    }
    MemoryRegistry registry;
};

TEST_F(MemoryRegistryTest, AFailedImportChangesNothing) {
    const std::string before = DumpSubtree(registry, "");
    std::string error;
    EXPECT_FALSE(registry.ImportRegText("REGEDIT4\r\n"
                                        "[-HKEY_LOCAL_MACHINE\\Software\\Base]\r\n"
                                        "[HKEY_LOCAL_MACHINE\\Software\\New]\r\n"
                                        "\"Broken\"=hex:zz\r\n",
                                        &error));
    EXPECT_EQ(error, "line 4: bad byte in a hex list");
    EXPECT_EQ(DumpSubtree(registry, ""), before);
    EXPECT_FALSE(registry.ImportRegText("nonsense", nullptr));  // no error text wanted
}

TEST_F(MemoryRegistryTest, ImportRemovesKeysAndValues) {
    std::string error;
    ASSERT_TRUE(registry.ImportRegText("REGEDIT4\n"
                                       "[-HKEY_LOCAL_MACHINE\\Software\\Base\\Child]\n"
                                       "[-HKEY_LOCAL_MACHINE\\Software\\NeverThere]\n"
                                       "[HKEY_LOCAL_MACHINE\\Software\\Base]\n"
                                       "\"TEXT\"=-\n"
                                       "\"NeverThere\"=-\n",
                                       &error))
        << error;
    EXPECT_EQ(DumpSubtree(registry, "Software\\Base"), "[Software\\Base]\n");
}

TEST_F(MemoryRegistryTest, ExportReadsBackToTheSameTree) {
    std::string error;
    ASSERT_TRUE(registry.ImportRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Base\\Child]\n"
                                       "\"Odd\"=hex(1):61,0a\n\"Number\"=dword:ffffffff\n",
                                       &error));
    const std::string text = registry.ExportRegText("software\\base");
    // Paths are written as the keys were created, whatever the spelling asked for.
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Base\\Child]\r\n"), std::string::npos)
        << text;
    MemoryRegistry copy;
    ASSERT_TRUE(copy.ImportRegText(text, &error)) << error << "\n" << text;
    EXPECT_EQ(DumpSubtree(copy, "Software\\Base"), DumpSubtree(registry, "Software\\Base"));

    EXPECT_EQ(registry.ExportRegText("Software\\Missing"), "");
    EXPECT_EQ(registry.ExportRegText("").rfind("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE]\r\n", 0), 0u);
}

TEST_F(MemoryRegistryTest, CreateKey) {
    EXPECT_TRUE(registry.CreateKey("Software\\Made\\Deep"));
    EXPECT_TRUE(registry.CreateKey("SOFTWARE\\made"));  // already there
    EXPECT_TRUE(registry.CreateKey(("Software\\" + std::string(256, 'n')).c_str()));
    EXPECT_FALSE(registry.CreateKey(("Software\\" + std::string(257, 'n')).c_str()));
    EXPECT_FALSE(registry.CreateKey("\\Software\\Lead"));
    EXPECT_FALSE(registry.CreateKey(nullptr));
    Registry::Key key = nullptr;
    ASSERT_EQ(registry.OpenKey("Software\\Made\\Deep", RegAccess::Read, &key), REG_RESULT_OK);
    registry.CloseKey(key);
    EXPECT_EQ(DumpSubtree(registry, "Software\\Made"), "[Software\\Made]\n[Software\\Made\\Deep]\n");
}

TEST_F(MemoryRegistryTest, HandlesAreCountedAndCheckedWhenUsed) {
    Registry::Key key = nullptr;
    ASSERT_EQ(registry.OpenKey("Software\\Base", RegAccess::Read, &key), REG_RESULT_OK);
    EXPECT_EQ(registry.OpenKeyCount(), 1u);
    EXPECT_EQ(registry.CloseKey(key), REG_RESULT_OK);
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    EXPECT_EQ(registry.CloseKey(key), REG_RESULT_INVALID_HANDLE);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.QueryValue(key, "Text", nullptr, nullptr, &size), REG_RESULT_INVALID_HANDLE);
    EXPECT_EQ(registry.OpenKey("Software", RegAccess::Read, nullptr), REG_RESULT_INVALID);
}

// Windows 98 ignores the access asked for; this registry holds callers to it, as
// the NT family would.
TEST_F(MemoryRegistryTest, AccessAskedForIsEnforced) {
    const unsigned char text[] = "x";
    Registry::Key reader = nullptr;
    Registry::Key writer = nullptr;
    ASSERT_EQ(registry.OpenKey("Software\\Base", RegAccess::Read, &reader), REG_RESULT_OK);
    ASSERT_EQ(registry.OpenKey("Software\\Base", RegAccess::Write, &writer), REG_RESULT_OK);
    EXPECT_EQ(registry.SetValue(reader, "New", RegType::String, text, 2), REG_RESULT_ACCESS_DENIED);
    EXPECT_EQ(registry.DeleteValue(reader, "Text"), REG_RESULT_ACCESS_DENIED);
    EXPECT_EQ(registry.QueryValue(writer, "Text", nullptr, nullptr, nullptr),
              REG_RESULT_ACCESS_DENIED);
    EXPECT_EQ(registry.SetValue(writer, "New", RegType::String, text, 2), REG_RESULT_OK);
    registry.CloseKey(reader);
    registry.CloseKey(writer);
}

TEST_F(MemoryRegistryTest, RejectsWhatTheRealCallsReject) {
    Registry::Key key = nullptr;
    ASSERT_EQ(registry.OpenKey("Software\\Base", RegAccess::All, &key), REG_RESULT_OK);
    EXPECT_EQ(registry.SetValue(key, "NoData", RegType::Binary, nullptr, 4), REG_RESULT_INVALID);
    EXPECT_EQ(registry.EnumKey(key, 0, nullptr, 10), REG_RESULT_INVALID);
    std::uint32_t size = 10;
    EXPECT_EQ(registry.EnumValue(key, 0, nullptr, &size, nullptr, nullptr, nullptr),
              REG_RESULT_INVALID);
    EXPECT_EQ(registry.QueryInfoKey(key, nullptr), REG_RESULT_INVALID);
    EXPECT_EQ(registry.DeleteKey(nullptr), REG_RESULT_INVALID);
    registry.CloseKey(key);
}

TEST_F(MemoryRegistryTest, StringDataSizeIsReportedAsWineDoes) {
    Registry::Key key = nullptr;
    ASSERT_EQ(registry.OpenKey("Software\\Base", RegAccess::Read, &key), REG_RESULT_OK);
    Registry::KeyInfo info;
    ASSERT_EQ(registry.QueryInfoKey(key, &info), REG_RESULT_OK);
    EXPECT_EQ(info.maxValueDataSize, 10u);  // "kept" and its zero, in UTF-16
    EXPECT_EQ(info.maxSubKeyLength, 5u);
    registry.CloseKey(key);
}

}  // namespace
}  // namespace qor
