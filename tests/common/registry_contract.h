// The registry contract: one set of cases, written against Registry&, that every
// realisation must pass. Each build instantiates it with the realisations it has;
// a backend loads registry_fixture.reg into its registry before every case.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "registry.h"

namespace qor::test {

inline constexpr const char* TEST_KEY = "Software\\QorContractTest";

struct RegistryBackend {
    const char* name;
    // A registry holding the fixture, or null with a failure recorded.
    std::unique_ptr<Registry> (*load)();
};

// Names each instantiation's cases after its backend.
inline std::string BackendName(const ::testing::TestParamInfo<RegistryBackend>& param) {
    return param.param.name;
}

// The fixture file's path as the build knows it.
std::string FixturePath();
std::string ReadTextFile(const std::string& path);

// Every key and value of the subtree at path, in enumeration order, one line each:
// what two registries must agree on after the same import.
std::string DumpSubtree(Registry& registry, const std::string& path);

class RegistryContract : public ::testing::TestWithParam<RegistryBackend> {
protected:
    void SetUp() override;
    void TearDown() override;
    Registry& registry() { return *registry_; }

    // Opens TEST_KEY + "\\" + sub (or TEST_KEY itself); the key is closed at tear-down.
    Registry::Key Open(const std::string& sub = std::string(), RegAccess access = RegAccess::All);

private:
    std::unique_ptr<Registry> registry_;
    std::vector<Registry::Key> opened_;
};

}  // namespace qor::test
