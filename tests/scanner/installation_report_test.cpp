// The scanner's whole report, byte for byte, for installations in various states.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installation_scanner.h"
#include "memory_registry.h"
#include "report_output.h"
#include "temporary_windows_folder.h"

namespace qor {
namespace {

class StringOutput : public ReportOutput {
public:
    void Write(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Registry states, as regedit would import them.
const char* const INSTALLED_REGISTRY = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\Qor]
"StartApplet"="1"
"Installed"="1"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"QorFrontPanel"="C:\\WINDOWS\\QORPANEL.EXE /i"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor]
"InfDefaultUninstall"="RunDll setupx.dll,InstallHinfSection DefaultUninstall 4 qorport.inf"

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_1000&DEV_0001]

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00]
"PORTNAME"="COM3"
)";

const char* const HARDWARE_KEY_ONLY = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00]
)";

const char* const UNINSTALL_80_CHARACTERS = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor]
"InfDefaultUninstall"="RunDll setupx.dll,InstallHinfSection DefaultUninstall 4 C:\\WINDOWS\\INF\\QORUN.INF"
)";

const char* const UNINSTALL_10_CHARACTERS = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor]
"InfDefaultUninstall"="QORUNINST1"
)";

const char* const START_APPLET_AS_NUMBER = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\Qor]
"StartApplet"=dword:00000001
"Installed"="1"
)";

const std::vector<std::string> ALL_FILES = {
    "QORPANEL.EXE",       "QORRMCPL",           "QORSCAN.EXE",       "QORRMDEV.EXE",
    "System\\QORPORT.VXD", "System\\QOR_DBS.VXD", "System\\QORCPL.CPL", "INF\\MDMQOR.INF",
    "INF\\QORSERWV.INF",  "INF\\QORPORT.INF"};

// Report pieces shared by several states.
const std::string REGISTRY_HEADER = "\nQor REGISTRY ENTRIES\n--------------------\n";
const std::string NO_ENTRIES = REGISTRY_HEADER +
                               "Checking Front Panel applet section...\t[NONE]\n"
                               "Checking applet Run section...\t\t[NONE]\n"
                               "Checking VxD info section...\t\t[NONE]\n"
                               "Checking uninstall info section...\t[NONE]\n"
                               "Checking PCI hardware section...\t[NONE]\n";
const std::string NO_FILES =
    "\nQor DRIVER FILES\n--------------------\n"
    "Checking files in C:\\WINDOWS...\n"
    "\nChecking files in C:\\WINDOWS\\System...\n"
    "\nChecking files in C:\\WINDOWS\\INF...\n"
    "\n";
const std::string NOTHING_FOUND =
    "\nFound 0 files and 0 (of 5) Qor-related registry sections.\n"
    "Qor appears to be uninstalled.\n";

// A run value of 254 characters is read whole; 255 characters do not fit the read.
const std::string COMMAND_OF_254 = "QORPANEL.EXE /i" + std::string(239, 'x');
const std::string LONG_VALUES =
    "REGEDIT4\n\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"
    "\"QorFrontPanel\"=\"" + COMMAND_OF_254 + "\"\n\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\Qor]\n"
    "\"Installed\"=\"" + std::string(255, '1') + "\"\n";

struct ReportCase {
    const char* name;
    std::string registry;  // REGEDIT4 text, or empty for an empty registry
    std::vector<std::string> files;
    std::vector<std::string> folders;
    bool versionReadable;
    std::string expected;
};

const ReportCase REPORT_CASES[] = {
    {"Installed", INSTALLED_REGISTRY, ALL_FILES, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[StartApplet = 1]\n"
         "Checking applet Run section...\t\t[QorFrontPanel = C:\\WINDOWS\\QORPANEL.EXE /i]\n"
         "Checking VxD info section...\t\t[Installed = 1]\n"
         "Checking uninstall info section...\n"
         "\t[InfDefaultUninstall = RunDll setupx.dll,InstallHinfSection Def...]\n"
         "Checking PCI hardware section...\n"
         "\t[Hardware ID: Enum\\PCI\\VEN_5F3C&DEV_4000&SUBSYS_00000000]\n"
         "\nQor DRIVER FILES\n--------------------\n"
         "Checking files in C:\\WINDOWS...\n"
         "\tQORPANEL.EXE \tQORRMCPL \tQORSCAN.EXE \tQORRMDEV.EXE \n"
         "Checking files in C:\\WINDOWS\\System...\n"
         "\tQORPORT.VXD \tQOR_DBS.VXD \tQORCPL.CPL \n"
         "Checking files in C:\\WINDOWS\\INF...\n"
         "\tMDMQOR.INF \tQORSERWV.INF \tQORPORT.INF \n"
         "\nFound 10 files and 5 (of 5) Qor-related registry sections.\n"},
    {"Bare", "", {}, {}, true, NO_ENTRIES + NO_FILES + NOTHING_FOUND},
    {"HardwareKeyOnly", HARDWARE_KEY_ONLY, {}, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[NONE]\n"
         "Checking applet Run section...\t\t[NONE]\n"
         "Checking VxD info section...\t\t[NONE]\n"
         "Checking uninstall info section...\t[NONE]\n"
         "Checking PCI hardware section...\n"
         "\t[Hardware ID: Enum\\PCI\\VEN_5F3C&DEV_4000&SUBSYS_00000000]\n" +
         NO_FILES + "\nFound 0 files and 1 (of 5) Qor-related registry sections.\n"},
    {"OneFile", "", {"System\\QORPORT.VXD"}, {}, true,
     NO_ENTRIES +
         "\nQor DRIVER FILES\n--------------------\n"
         "Checking files in C:\\WINDOWS...\n"
         "\nChecking files in C:\\WINDOWS\\System...\n"
         "\tQORPORT.VXD \n"
         "Checking files in C:\\WINDOWS\\INF...\n"
         "\n"
         "\nFound 1 files and 0 (of 5) Qor-related registry sections.\n"},
    {"UninstallCommandOf80CharactersIsCut", UNINSTALL_80_CHARACTERS, {}, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[NONE]\n"
         "Checking applet Run section...\t\t[NONE]\n"
         "Checking VxD info section...\t\t[NONE]\n"
         "Checking uninstall info section...\n"
         "\t[InfDefaultUninstall = RunDll setupx.dll,InstallHinfSection Def...]\n"
         "Checking PCI hardware section...\t[NONE]\n" +
         NO_FILES + "\nFound 0 files and 1 (of 5) Qor-related registry sections.\n"},
    {"UninstallCommandOf10CharactersIsWhole", UNINSTALL_10_CHARACTERS, {}, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[NONE]\n"
         "Checking applet Run section...\t\t[NONE]\n"
         "Checking VxD info section...\t\t[NONE]\n"
         "Checking uninstall info section...\n"
         "\t[InfDefaultUninstall = QORUNINST1...]\n"
         "Checking PCI hardware section...\t[NONE]\n" +
         NO_FILES + "\nFound 0 files and 1 (of 5) Qor-related registry sections.\n"},
    {"FolderNamedLikeAFileCounts", "", {}, {"QORRMCPL"}, true,
     NO_ENTRIES +
         "\nQor DRIVER FILES\n--------------------\n"
         "Checking files in C:\\WINDOWS...\n"
         "\tQORRMCPL \n"
         "Checking files in C:\\WINDOWS\\System...\n"
         "\nChecking files in C:\\WINDOWS\\INF...\n"
         "\n"
         "\nFound 1 files and 0 (of 5) Qor-related registry sections.\n"},
    {"LowerCaseNamesAreFoundAndPrintedAsInTheTable", "",
     {"qorpanel.exe", "system\\qorcpl.cpl", "inf\\Qorport.inf"}, {}, true,
     NO_ENTRIES +
         "\nQor DRIVER FILES\n--------------------\n"
         "Checking files in C:\\WINDOWS...\n"
         "\tQORPANEL.EXE \n"
         "Checking files in C:\\WINDOWS\\System...\n"
         "\tQORCPL.CPL \n"
         "Checking files in C:\\WINDOWS\\INF...\n"
         "\tQORPORT.INF \n"
         "\nFound 3 files and 0 (of 5) Qor-related registry sections.\n"},
    {"StartAppletStoredAsNumberIsAbsent", START_APPLET_AS_NUMBER, {}, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[NONE]\n"
         "Checking applet Run section...\t\t[NONE]\n"
         "Checking VxD info section...\t\t[Installed = 1]\n"
         "Checking uninstall info section...\t[NONE]\n"
         "Checking PCI hardware section...\t[NONE]\n" +
         NO_FILES + "\nFound 0 files and 1 (of 5) Qor-related registry sections.\n"},
    {"ValuesUpToTheReadLimitAreShownWhole", LONG_VALUES, {}, {}, true,
     REGISTRY_HEADER +
         "Checking Front Panel applet section...\t[NONE]\n"
         "Checking applet Run section...\t\t[QorFrontPanel = " + COMMAND_OF_254 + "]\n" +
         "Checking VxD info section...\t\t[NONE]\n"
         "Checking uninstall info section...\t[NONE]\n"
         "Checking PCI hardware section...\t[NONE]\n" +
         NO_FILES + "\nFound 0 files and 1 (of 5) Qor-related registry sections.\n"},
    {"UnreadableVersionIsReportedAtTheTop", "", {}, {}, false,
     "Error reading Windows version...using default 4.0.950\n" + NO_ENTRIES + NO_FILES +
         NOTHING_FOUND},
};

class InstallationReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(InstallationReport, IsPrintedExactly) {
    const ReportCase& state = GetParam();
    MemoryRegistry registry;
    std::string error;
    if (!state.registry.empty()) {
        ASSERT_TRUE(registry.ImportRegText(state.registry, &error)) << error;
    }
    TemporaryWindowsFolder windows;
    for (const std::string& file : state.files) windows.AddFile(file);
    for (const std::string& folder : state.folders) windows.AddFolder(folder);
    windows.SetVersionReadable(state.versionReadable);
    StringOutput output;

    InstallationScanner(registry, windows, output).Run();

    EXPECT_EQ(output.text(), state.expected);
    EXPECT_EQ(registry.OpenKeyCount(), 0u) << "every key opened is closed again";
}

INSTANTIATE_TEST_SUITE_P(States, InstallationReport, ::testing::ValuesIn(REPORT_CASES),
                         [](const ::testing::TestParamInfo<ReportCase>& test) {
                             return std::string(test.param.name);
                         });

// A Windows folder that cannot be read, or paths too long for their buffers, must not
// lead to testing some other place: such files count as missing.
class UntestablePaths : public ::testing::Test {
protected:
    std::string Report(TemporaryWindowsFolder& windows) {
        for (const std::string& file : ALL_FILES) windows.AddFile(file);
        StringOutput output;
        InstallationScanner(registry_, windows, output).Run();
        return output.text();
    }

    MemoryRegistry registry_;
};

TEST_F(UntestablePaths, UnreadableWindowsFolderFindsNothing) {
    TemporaryWindowsFolder windows;
    windows.SetWindowsFolderReadable(false);
    EXPECT_EQ(Report(windows), NO_ENTRIES +
                                   "\nQor DRIVER FILES\n--------------------\n"
                                   "Checking files in ...\n"
                                   "\nChecking files in ...\n"
                                   "\nChecking files in ...\n"
                                   "\n" +
                                   NOTHING_FOUND);
}

TEST_F(UntestablePaths, PathTooLongForItsBufferIsNotTestedCut) {
    // 240 characters: C:\<237>\System\QORPORT.VXD needs 259, and cut to the 255 that
    // fit it would name the decoy QORPORT; C:\<237>\INF\MDMQOR.INF needs exactly 255.
    const std::string folder = "C:\\" + std::string(237, 'W');
    TemporaryWindowsFolder windows(folder);
    windows.AddFile("System\\QORPORT");
    EXPECT_EQ(Report(windows), NO_ENTRIES + "\nQor DRIVER FILES\n--------------------\n" +
                                   "Checking files in " + folder + "...\n" +
                                   "\tQORPANEL.EXE \tQORRMCPL \tQORSCAN.EXE \tQORRMDEV.EXE \n" +
                                   "Checking files in " + folder + "\\System...\n" +
                                   "\nChecking files in " + folder + "\\INF...\n" +
                                   "\tMDMQOR.INF \n" +
                                   "\nFound 5 files and 0 (of 5) Qor-related registry sections.\n");
}

}  // namespace
}  // namespace qor
