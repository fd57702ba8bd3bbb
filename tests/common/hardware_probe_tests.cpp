#include "hardware_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "memory_registry.h"

namespace qor {
namespace {

std::string Probe(const std::vector<std::string>& subkeys, bool withPci = true) {
    MemoryRegistry registry;
    if (withPci) {
        EXPECT_TRUE(registry.CreateKey("Enum\\PCI"));
    }
    for (const std::string& name : subkeys)
        EXPECT_TRUE(registry.CreateKey(("Enum\\PCI\\" + name).c_str())) << name;
    char hardwareKey[PATH_BUFFER_SIZE];
    std::fill(std::begin(hardwareKey), std::end(hardwareKey), '#');
    FindHardwareKey(registry, hardwareKey);
    EXPECT_EQ(registry.OpenKeyCount(), 0u) << "Enum\\PCI was left open";
    return std::string(hardwareKey);
}

TEST(FindHardwareKey, FirstSubkeyWithTheModemsIdentifiers) {
    const std::string prefix = "VEN_5F3C&DEV_4000";
    // "Enum\PCI\" and the name fill the 260-byte buffer at 250 characters.
    const std::string fits = prefix + "&" + std::string(250 - prefix.size() - 1, 'A');
    const std::string tooLong = prefix + "&" + std::string(251 - prefix.size() - 1, 'A');
    struct Case {
        const char* label;
        std::vector<std::string> subkeys;
        std::string expected;
    };
    const Case cases[] = {
        {"first of two matches",
         {"VEN_1000&DEV_0001", "VEN_5F3C&DEV_4000&SUBSYS_00000000", "VEN_5F3C&DEV_4000&SUBSYS_00010000"},
         "Enum\\PCI\\VEN_5F3C&DEV_4000&SUBSYS_00000000"},
        {"the identifiers alone", {"VEN_5F3C&DEV_4000"}, "Enum\\PCI\\VEN_5F3C&DEV_4000"},
        {"compared case-sensitively", {"ven_5f3c&dev_4000"}, ""},
        {"one character short", {"VEN_5F3C&DEV_400"}, ""},
        {"another device only", {"VEN_1000&DEV_0001"}, ""},
        {"no subkeys", {}, ""},
        {"longest name that fits", {fits}, "Enum\\PCI\\" + fits},
        {"too long to fit is no match", {tooLong}, ""},
        {"a later match after one too long",
         {tooLong, "VEN_5F3C&DEV_4000&SUBSYS_1"}, "Enum\\PCI\\VEN_5F3C&DEV_4000&SUBSYS_1"},
    };
    for (const Case& c : cases) EXPECT_EQ(Probe(c.subkeys), c.expected) << c.label;
}

TEST(FindHardwareKey, EmptyWithoutEnumPci) { EXPECT_EQ(Probe({}, false), ""); }

}  // namespace
}  // namespace qor
