#include "driver_service.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <type_traits>

#include "simulated_driver.h"

namespace qor::test {

namespace {

constexpr char kService[] = "qorsim";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\qorsim";
constexpr auto kServiceTimeout = std::chrono::seconds(20);

struct ServiceCloser {
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, ServiceCloser>;

DWORD ServiceState(SC_HANDLE service) {
    SERVICE_STATUS status{};
    return QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
}

bool KeyString(const char* name, const std::string* write, std::string* read) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    LONG result = ERROR_SUCCESS;
    if (write != nullptr) {
        result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(write->c_str()),
                                static_cast<DWORD>(write->size() + 1));
    } else {
        char text[512] = {};
        DWORD size = sizeof text - 1;
        result = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
        *read = text;
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

std::string PanelScenarioPath(const std::string& scenario) {
    std::string path = std::string("Z:") + QOR_PANEL_SCENARIOS + "/" + scenario;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool DriverRestart(const std::string& scenarioPath, std::string* error) {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ServiceHandle service(manager ? OpenServiceA(manager.get(), kService,
                                                       SERVICE_START | SERVICE_STOP |
                                                           SERVICE_QUERY_STATUS)
                                        : nullptr);
    if (!service) {
        *error = "the service qorsim is not installed in this prefix";
        return false;
    }
    if (ServiceState(service.get()) != SERVICE_STOPPED) {
        SERVICE_STATUS status{};
        ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
        if (!WaitFor([&] { return ServiceState(service.get()) == SERVICE_STOPPED; },
                     kServiceTimeout)) {
            *error = "qorsim did not stop";
            return false;
        }
    }
    if (!KeyString("Scenario", &scenarioPath, nullptr)) {
        *error = "cannot name the scenario in the service key";
        return false;
    }
    if (!StartServiceA(service.get(), 0, nullptr) ||
        !WaitFor([&] { return ServiceState(service.get()) == SERVICE_RUNNING; },
                 kServiceTimeout)) {
        std::string reason;
        KeyString("ScenarioError", nullptr, &reason);
        *error = "qorsim did not start with " + scenarioPath + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

}  // namespace qor::test
