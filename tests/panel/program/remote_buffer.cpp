#include "remote_buffer.h"

namespace qor::test {

RemoteBuffer::RemoteBuffer(HWND window, std::size_t size) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) == 0) return;
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                               PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                           FALSE, processId);
    if (process_ == nullptr) return;
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ != nullptr) size_ = size;
}

RemoteBuffer::~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
}

bool RemoteBuffer::Read(void* out, std::size_t size) const {
    if (!valid() || size > size_) return false;
    SIZE_T done = 0;
    return ReadProcessMemory(process_, address_, out, size, &done) && done == size;
}

bool RemoteBuffer::Write(const void* data, std::size_t size) {
    if (!valid() || size > size_) return false;
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address_, data, size, &done) && done == size;
}

}  // namespace qor::test
