// A block of memory inside another process. The common controls' messages that
// carry a pointer (SB_GETTEXTA, SB_GETPARTS) are not carried across processes, so a
// test hands them an address that is valid in the control's own process and reads
// the answer back from there.
#pragma once

#include <windows.h>

#include <cstddef>

namespace qor::test {

class RemoteBuffer {
public:
    // size bytes, committed and writable, in the process that owns window.
    RemoteBuffer(HWND window, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // False when the process could not be opened or the memory not allocated.
    bool valid() const { return address_ != nullptr; }
    // The block's address as the other process sees it, for a message parameter.
    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
    std::size_t size() const { return size_; }
    HANDLE process() const { return process_; }

    // Copies size bytes (at most the block's size) from or into the block.
    bool Read(void* out, std::size_t size) const;
    bool Write(const void* data, std::size_t size);

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace qor::test
