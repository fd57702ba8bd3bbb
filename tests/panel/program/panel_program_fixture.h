// A test of the installed QORPANEL.EXE, seen from outside its process: the
// settings cleared, the simulated driver restarted with a scenario, the program
// started and its main window found. Every condition is polled with a deadline.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "panel_process.h"
#include "simulated_driver.h"

namespace qor::test {

// Long enough for Wine on a busy machine: the link opens within a second, the
// texts follow within six tenths, a start takes a second or two.
inline constexpr std::chrono::milliseconds kDeadline{15000};

// Polls read() until it returns expected or the deadline passes; returns the last
// value read, so that a test compares it and a failure prints what was seen.
template <typename Read, typename Value>
auto Eventually(Read read, const Value& expected, std::chrono::milliseconds timeout = kDeadline) {
    auto last = read();
    WaitFor([&] { return (last = read()) == expected; }, timeout);
    return last;
}

// The scenarios of scenarios/.
inline constexpr const char* SCENARIO_GONE = "panel-gone.txt";  // no driver to open
inline constexpr const char* SCENARIO_CALL = "panel-call.txt";  // idle 3 s, then a data call

class PanelProgramTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Restarts the driver with a scenario of scenarios/ (a fatal failure otherwise).
    void DriverPlays(const std::string& scenario);
    // Starts the program and waits for its main window; null (with a failure
    // recorded) when it did not appear.
    HWND StartPanel(const std::string& arguments = "");
    // Starts another copy and waits for it to end; its exit code.
    std::optional<DWORD> RunSecondCopy();

    // WM_COMMAND with the command id, posted to the main window.
    void Command(UINT commandId) const;
    // The Exit command, then the program's exit code once it has ended.
    std::optional<DWORD> ExitPanel() const;
    // True once the main window has handled every message posted to it before the
    // call: a command posted after them has shown its effect.
    bool PostedMessagesHandled() const;

    HWND main() const { return main_; }
    HWND statusBar() const;
    // The status bar's line ("[Idle]", "Idle mode|Modem is idle.").
    std::string Status() const;
    // Waits for the status bar to show line; the last line seen.
    std::string StatusEventually(const std::string& line) const;

    PanelProcess panel_;
    SimulatedDriver driver_;
    HWND main_ = nullptr;
};

}  // namespace qor::test
