// QORPANEL.EXE as installed, started and ended by a test.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace qor::test {

class PanelProcess {
public:
    PanelProcess() = default;
    // A copy still running at the end is terminated: a failed test leaves nothing
    // behind for the next one.
    ~PanelProcess();
    PanelProcess(const PanelProcess&) = delete;
    PanelProcess& operator=(const PanelProcess&) = delete;

    // Starts the installed program (the Windows folder's QORPANEL.EXE) with the
    // arguments; false, with the reason in error, when it did not start.
    bool Start(const std::string& arguments, std::string* error);
    // The exit code once the program has ended within timeout; nothing otherwise.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
    bool Running() const;
    DWORD id() const { return id_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The front panel's main window (class "QORAPPL"), whichever copy made it; null
// when there is none.
HWND FindPanelWindow();

// Ends the program that owns a main window left over from an earlier test.
void EndLeftoverPanel();

}  // namespace qor::test
