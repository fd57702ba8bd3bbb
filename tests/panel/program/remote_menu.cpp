#include "remote_menu.h"

#include <string>

#include "menu_probe_request.h"

namespace qor::test {

namespace {

constexpr DWORD kThreadTimeoutMs = 10000;

// The probe library beside this test program.
std::string ProbeLibraryPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + MENU_PROBE_LIBRARY;
}

template <typename Function>
LPTHREAD_START_ROUTINE AsThreadProcedure(Function* function) {
    return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(function));
}

}  // namespace

RemoteMenu::RemoteMenu(HWND window) : window_(window), buffer_(window, MAX_PATH) {
    const std::string path = ProbeLibraryPath();
    HMODULE local = LoadLibraryA(path.c_str());
    if (local == nullptr || !buffer_.valid()) return;
    const FARPROC entry = GetProcAddress(local, MENU_PROBE_ENTRY);
    // kernel32 lies at the same address in every process of the prefix, so its
    // LoadLibraryA is a valid thread procedure over there.
    const FARPROC loadLibrary = GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA");
    if (entry == nullptr || loadLibrary == nullptr ||
        !buffer_.Write(path.c_str(), path.size() + 1) ||
        !RunRemote(AsThreadProcedure(loadLibrary), buffer_.address(), &remoteModule_) ||
        remoteModule_ == 0)
        return;
    // The entry lies at the same offset from the library's base in both processes.
    const auto offset = reinterpret_cast<DWORD_PTR>(reinterpret_cast<void*>(entry)) -
                        reinterpret_cast<DWORD_PTR>(local);
    remoteEntry_ = reinterpret_cast<LPTHREAD_START_ROUTINE>(remoteModule_ + offset);
}

RemoteMenu::~RemoteMenu() {
    if (remoteModule_ == 0) return;
    const FARPROC freeLibrary = GetProcAddress(GetModuleHandleA("kernel32.dll"), "FreeLibrary");
    DWORD ignored = 0;
    if (freeLibrary != nullptr)
        RunRemote(AsThreadProcedure(freeLibrary), static_cast<LPARAM>(remoteModule_), &ignored);
}

bool RemoteMenu::RunRemote(LPTHREAD_START_ROUTINE procedure, LPARAM parameter, DWORD* result) {
    HANDLE thread = CreateRemoteThread(buffer_.process(), nullptr, 0, procedure,
                                       reinterpret_cast<void*>(parameter), 0, nullptr);
    if (thread == nullptr) return false;
    const bool done = WaitForSingleObject(thread, kThreadTimeoutMs) == WAIT_OBJECT_0 &&
                      GetExitCodeThread(thread, result);
    CloseHandle(thread);
    return done;
}

std::optional<MenuItem> RemoteMenu::Item(UINT commandId) {
    if (remoteEntry_ == nullptr) return std::nullopt;
    MenuProbeRequest request{window_, commandId, 0};
    DWORD answered = 0;
    if (!buffer_.Write(&request, sizeof request) ||
        !RunRemote(remoteEntry_, buffer_.address(), &answered) || answered == 0 ||
        !buffer_.Read(&request, sizeof request))
        return std::nullopt;
    if (request.state == 0xFFFFFFFFu) return MenuItem::Absent;
    return (request.state & MF_CHECKED) != 0 ? MenuItem::Checked : MenuItem::Unchecked;
}

}  // namespace qor::test
