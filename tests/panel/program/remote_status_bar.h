// What another process's status bar shows, read as a user would see it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qor::test {

struct StatusBarPart {
    std::string text;
    bool raised = false;  // drawn with SBT_POPOUT
};

struct StatusBarReading {
    bool simple = false;
    // In simple mode the one full-width text; otherwise every part, left to right.
    std::vector<StatusBarPart> parts;
    // The right edges of the parts (SB_GETPARTS), in client pixels.
    std::vector<int> edges;

    // "[Idle]" in simple mode, "Idle mode|Modem is idle." with two parts: one
    // text that a test compares and prints whole.
    std::string Line() const;
};

// Nothing when the bar or its process cannot be read.
std::optional<StatusBarReading> ReadStatusBar(HWND statusBar);

// The status bar's line, or "(unreadable)".
std::string StatusLine(HWND statusBar);

}  // namespace qor::test
