// The simulated driver of the test prefix, restarted with one of this folder's
// scenarios so that the scenario's clock starts with the test.
#pragma once

#include <string>

namespace qor::test {

// A scenario file of this folder's scenarios/ as a Windows path (Wine's Z: drive).
std::string PanelScenarioPath(const std::string& scenario);

// Stops the driver service "qorsim" if it runs, names the scenario file in its
// key and starts it; false, with the reason in error, when it did not start.
bool DriverRestart(const std::string& scenarioPath, std::string* error);

}  // namespace qor::test
