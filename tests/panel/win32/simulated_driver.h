// The simulated modem driver as a test drives it: restarted through the service
// control manager with a scenario of the test's choosing, so that the scenario's
// clock starts when the test begins; and the values it leaves in its service key.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qor::test {

class SimulatedDriver {
public:
    // Stops the driver if it runs, names the scenario file (in simdriver/scenarios)
    // in its service key and starts it again. False, with a reason in error, when
    // the driver did not start.
    bool Restart(const std::string& scenario, std::string* error);

    // The value the driver wrote for the last RTS request it took, and how many it
    // took (0 before the first).
    std::optional<std::vector<unsigned char>> LastRtsRequest() const;
    std::uint32_t RtsRequests() const;
};

// A scenario file of simdriver/scenarios as a Windows path (Wine's Z: drive).
std::string ScenarioPath(const std::string& scenario);

// Calls condition until it holds or timeout passes, with a short pause between
// calls; true when it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace qor::test
