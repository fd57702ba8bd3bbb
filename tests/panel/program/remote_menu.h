// The check marks of another process's window menu. Under Wine a menu handle is
// usable only in its own process (GetMenuState on it fails elsewhere), so the probe
// loads a small library into that process and asks there, on a thread of its own.
#pragma once

#include <windows.h>

#include <optional>

#include "remote_buffer.h"

namespace qor::test {

enum class MenuItem { Absent, Unchecked, Checked };

class RemoteMenu {
public:
    explicit RemoteMenu(HWND window);
    ~RemoteMenu();
    RemoteMenu(const RemoteMenu&) = delete;
    RemoteMenu& operator=(const RemoteMenu&) = delete;

    // The item's state as the window's own process sees it; nothing when the
    // probe could not run there (or the window has no menu).
    std::optional<MenuItem> Item(UINT commandId);

private:
    bool RunRemote(LPTHREAD_START_ROUTINE procedure, LPARAM parameter, DWORD* result);

    HWND window_;
    RemoteBuffer buffer_;
    DWORD remoteModule_ = 0;  // the library's base in the other process
    LPTHREAD_START_ROUTINE remoteEntry_ = nullptr;
};

}  // namespace qor::test
