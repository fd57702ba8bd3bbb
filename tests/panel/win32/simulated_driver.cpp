#include "simulated_driver.h"

#include <windows.h>

#include <algorithm>
#include <thread>

namespace qor::test {

namespace {

constexpr char kService[] = "qorsim";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\qorsim";
constexpr auto kServiceTimeout = std::chrono::seconds(20);

bool SetScenario(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExA(key, "Scenario", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>(path.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::optional<std::vector<unsigned char>> ReadValue(const char* name, DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<unsigned char> data(256);
    DWORD size = static_cast<DWORD>(data.size());
    const LONG result = RegQueryValueExA(key, name, nullptr, type, data.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    return data;
}

DWORD ServiceState(SC_HANDLE service) {
    SERVICE_STATUS status{};
    return QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
}

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle() {
        if (handle_ != nullptr) CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

}  // namespace

std::string ScenarioPath(const std::string& scenario) {
    std::string path = std::string("Z:") + QOR_SIM_SCENARIOS + "/" + scenario;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool SimulatedDriver::Restart(const std::string& scenario, std::string* error) {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ServiceHandle service(
        manager.get() != nullptr
            ? OpenServiceA(manager.get(), kService,
                           SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS)
            : nullptr);
    if (service.get() == nullptr) {
        *error = "the service qorsim is not installed (simdriver/install-driver)";
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
    if (!SetScenario(ScenarioPath(scenario))) {
        *error = "cannot name the scenario in the service key";
        return false;
    }
    if (!StartServiceA(service.get(), 0, nullptr) ||
        !WaitFor([&] { return ServiceState(service.get()) == SERVICE_RUNNING; },
                 kServiceTimeout)) {
        DWORD type = 0;
        const auto reason = ReadValue("ScenarioError", &type);
        std::string text = reason ? std::string(reason->begin(), reason->end()) : "";
        text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
        *error = "qorsim did not start with " + scenario + (text.empty() ? "" : ": " + text);
        return false;
    }
    return true;
}

std::optional<std::vector<unsigned char>> SimulatedDriver::LastRtsRequest() const {
    DWORD type = 0;
    auto value = ReadValue("LastRtsRequest", &type);
    if (!value || type != REG_BINARY) return std::nullopt;
    return value;
}

std::uint32_t SimulatedDriver::RtsRequests() const {
    DWORD type = 0;
    const auto value = ReadValue("RtsRequests", &type);
    if (!value || type != REG_DWORD || value->size() != sizeof(DWORD)) return 0;
    DWORD count = 0;
    std::copy(value->begin(), value->end(), reinterpret_cast<unsigned char*>(&count));
    return count;
}

}  // namespace qor::test
