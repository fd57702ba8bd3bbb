#include "panel_process.h"

#include <vector>

#include "install_layout.h"

namespace qor::test {

namespace {

constexpr DWORD kEndTimeoutMs = 10000;

std::string InstalledProgram() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder, length < sizeof folder ? length : 0) + "\\" + FILE_QORPANEL;
}

void Terminate(HANDLE process) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kEndTimeoutMs);
}

}  // namespace

PanelProcess::~PanelProcess() {
    if (process_ == nullptr) return;
    if (Running()) Terminate(process_);
    CloseHandle(process_);
}

bool PanelProcess::Start(const std::string& arguments, std::string* error) {
    const std::string program = InstalledProgram();
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        *error = "cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    id_ = started.dwProcessId;
    return true;
}

std::optional<DWORD> PanelProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    DWORD code = 0;
    if (process_ == nullptr ||
        WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code))
        return std::nullopt;
    return code;
}

bool PanelProcess::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND FindPanelWindow() { return FindWindowA(PANEL_WINDOW_CLASS, nullptr); }

void EndLeftoverPanel() {
    for (HWND window = FindPanelWindow(); window != nullptr; window = FindPanelWindow()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process == nullptr) return;
        Terminate(process);
        CloseHandle(process);
    }
}

}  // namespace qor::test
