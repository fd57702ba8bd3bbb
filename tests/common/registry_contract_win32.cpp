// The registry contract on the real registry under Wine, the fixture imported by the
// real regedit; and regedit reading what MemoryRegistry exports.
#include <windows.h>

#include <fstream>
#include <vector>

#include "memory_registry.h"
#include "registry_contract.h"
#include "win32_registry.h"

namespace qor::test {
namespace {

constexpr DWORD REGEDIT_DEADLINE_MS = 60000;

// Runs regedit with the arguments and waits for it to end; "" or what went wrong.
std::string RunRegedit(const std::string& arguments) {
    std::string command = "regedit.exe " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "regedit could not be started (error " + std::to_string(GetLastError()) + ")";
    const DWORD waited = WaitForSingleObject(process.hProcess, REGEDIT_DEADLINE_MS);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0 ? std::string() : "regedit did not finish in time";
}

std::string ImportWithRegedit(const std::string& file) { return RunRegedit("/s \"" + file + "\""); }

std::string TempFile(const char* name) {
    char folder[MAX_PATH] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, sizeof folder);
    return std::string(folder) + name;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    ASSERT_TRUE(file.good()) << path;
}

std::unique_ptr<Registry> LoadWin32Registry() {
    const std::string problem = ImportWithRegedit(FixturePath());
    if (!problem.empty()) {
        ADD_FAILURE() << problem;
        return nullptr;
    }
    auto registry = std::make_unique<Win32Registry>();
    // regedit says nothing on failure: check that the import arrived.
    if (DumpSubtree(*registry, TEST_KEY).find("\"Long254\"") == std::string::npos) {
        ADD_FAILURE() << "regedit did not import " << FixturePath();
        return nullptr;
    }
    return registry;
}

std::unique_ptr<Registry> LoadMemoryRegistry() {
    auto registry = std::make_unique<MemoryRegistry>();
    std::string error;
    if (!registry->ImportRegText(ReadTextFile(FixturePath()), &error)) {
        ADD_FAILURE() << error;
        return nullptr;
    }
    return registry;
}

// The test key is left behind by the last case; take it out of the shared prefix.
class RemoveTestKey : public ::testing::Environment {
public:
    void TearDown() override {
        const RegResult result = Win32Registry().DeleteKey(TEST_KEY);
        EXPECT_TRUE(result == REG_RESULT_OK || result == REG_RESULT_NOT_FOUND) << result;
    }
};
::testing::Environment* const REMOVE_TEST_KEY =
    ::testing::AddGlobalTestEnvironment(new RemoveTestKey);

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryBackend{"Win32", LoadWin32Registry}),
                         BackendName);

// Values a quoted text cannot carry, a list long enough to be continued over lines,
// an unusual type and characters beyond ASCII.
constexpr const char* AWKWARD_VALUES =
    "REGEDIT4\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\QorContractTest\\Awkward]\r\n"
    "\"Line break\"=hex(1):61,0d,0a,62,00\r\n"
    "\"Inner zero\"=hex(1):61,00,62,00\r\n"
    "\"Accented \xe9\"=\"caf\xe9\"\r\n"
    "\"Quote\\\"and\\\\\"=\"\\\\\\\\server\\\\share\"\r\n"
    "\"Odd type\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"Short dword\"=hex(4):01,02\r\n"
    "\"Empty binary\"=hex:\r\n"
    "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
    "  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f,30,\\\r\n"
    "  31,32,33,34,35,36,37,38,39,3a,3b,3c,3d,3e,3f,40,41,42,43,44,45,46,47,48,49,4a\r\n";

TEST(RegeditOnMemoryExport, ReadsBackTheSameKeysAndValues) {
    MemoryRegistry memory;
    std::string error;
    ASSERT_TRUE(memory.ImportRegText(ReadTextFile(FixturePath()), &error)) << error;
    ASSERT_TRUE(memory.ImportRegText(AWKWARD_VALUES, &error)) << error;

    Win32Registry real;
    const RegResult removed = real.DeleteKey(TEST_KEY);
    ASSERT_TRUE(removed == REG_RESULT_OK || removed == REG_RESULT_NOT_FOUND) << removed;
    const std::string file = TempFile("qor-memory-export.reg");
    WriteTextFile(file, memory.ExportRegText(TEST_KEY));
    ASSERT_EQ(ImportWithRegedit(file), "");
    DeleteFileA(file.c_str());

    EXPECT_EQ(DumpSubtree(real, TEST_KEY), DumpSubtree(memory, TEST_KEY));
}

TEST(RegeditOnFixture, BothRegistriesHoldTheSameTree) {
    std::unique_ptr<Registry> real = LoadWin32Registry();
    std::unique_ptr<Registry> memory = LoadMemoryRegistry();
    ASSERT_NE(real, nullptr);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(DumpSubtree(*real, TEST_KEY), DumpSubtree(*memory, TEST_KEY));
}

TEST(RegeditExport, ImportsIntoMemoryAsTheSameTree) {
    std::unique_ptr<Registry> real = LoadWin32Registry();
    ASSERT_NE(real, nullptr);
    const std::string file = TempFile("qor-regedit-export.reg");
    ASSERT_EQ(RunRegedit("/e \"" + file + "\" \"HKEY_LOCAL_MACHINE\\" + TEST_KEY + "\""), "");
    MemoryRegistry memory;
    std::string error;
    EXPECT_TRUE(memory.ImportRegText(ReadTextFile(file), &error)) << error;
    DeleteFileA(file.c_str());
    EXPECT_EQ(DumpSubtree(memory, TEST_KEY), DumpSubtree(*real, TEST_KEY));
}

}  // namespace
}  // namespace qor::test
