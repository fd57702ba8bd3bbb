// The registry contract on the in-memory registry.
#include "memory_registry.h"
#include "registry_contract.h"

namespace qor::test {
namespace {

std::unique_ptr<Registry> LoadMemoryRegistry() {
    auto registry = std::make_unique<MemoryRegistry>();
    std::string error;
    if (!registry->ImportRegText(ReadTextFile(FixturePath()), &error)) {
        ADD_FAILURE() << FixturePath() << ": " << error;
        return nullptr;
    }
    return registry;
}

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContract,
                         ::testing::Values(RegistryBackend{"Memory", LoadMemoryRegistry}),
                         BackendName);

}  // namespace
}  // namespace qor::test
