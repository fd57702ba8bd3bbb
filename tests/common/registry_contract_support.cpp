#include "registry_contract.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace qor::test {

std::string FixturePath() { return QOR_REGISTRY_FIXTURE; }

std::string ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

namespace {

void DumpKey(Registry& registry, Registry::Key key, const std::string& path, std::string* out) {
    *out += "[" + path + "]\n";
    for (std::uint32_t index = 0;; ++index) {
        char name[16384];
        std::uint32_t nameSize = sizeof name;
        unsigned char data[4096];
        std::uint32_t dataSize = sizeof data;
        RegType type = RegType::None;
        const RegResult result =
            registry.EnumValue(key, index, name, &nameSize, &type, data, &dataSize);
        if (result == REG_RESULT_NO_MORE_ITEMS) break;
        if (result != REG_RESULT_OK) {
            *out += "  <value enumeration failed: " + std::to_string(result) + ">\n";
            break;
        }
        *out += "  \"" + std::string(name, nameSize) + "\" type " +
                std::to_string(static_cast<unsigned>(type)) + ":";
        for (std::uint32_t i = 0; i < dataSize; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02x", data[i]);
            *out += byte;
        }
        *out += "\n";
    }
    for (std::uint32_t index = 0;; ++index) {
        char name[260];
        const RegResult result = registry.EnumKey(key, index, name, sizeof name);
        if (result == REG_RESULT_NO_MORE_ITEMS) break;
        const std::string child = path + "\\" + name;
        Registry::Key subkey = nullptr;
        if (result != REG_RESULT_OK ||
            registry.OpenKey(child.c_str(), RegAccess::Read, &subkey) != REG_RESULT_OK) {
            *out += "<subkey " + std::to_string(index) + " unreadable>\n";
            break;
        }
        DumpKey(registry, subkey, child, out);
        registry.CloseKey(subkey);
    }
}

}  // namespace

std::string DumpSubtree(Registry& registry, const std::string& path) {
    Registry::Key key = nullptr;
    if (registry.OpenKey(path.c_str(), RegAccess::Read, &key) != REG_RESULT_OK)
        return "<missing " + path + ">";
    std::string out;
    DumpKey(registry, key, path, &out);
    registry.CloseKey(key);
    return out;
}

void RegistryContract::SetUp() {
    registry_ = GetParam().load();
    ASSERT_NE(registry_, nullptr) << "the fixture could not be loaded";
}

void RegistryContract::TearDown() {
    if (registry_ == nullptr) return;
    for (Registry::Key key : opened_) registry_->CloseKey(key);
}

Registry::Key RegistryContract::Open(const std::string& sub, RegAccess access) {
    const std::string path = sub.empty() ? std::string(TEST_KEY) : std::string(TEST_KEY) + "\\" + sub;
    Registry::Key key = nullptr;
    const RegResult result = registry_->OpenKey(path.c_str(), access, &key);
    EXPECT_EQ(result, REG_RESULT_OK) << "opening " << path;
    if (result != REG_RESULT_OK) return nullptr;
    opened_.push_back(key);
    return key;
}

}  // namespace qor::test
