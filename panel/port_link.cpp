#include "port_link.h"

#include "little_endian.h"

namespace qor {

namespace {

// The input word of the status and statistics requests: unsigned 16-bit 1.
struct RequestWord {
    unsigned char bytes[2];
    RequestWord() { StoreU16(bytes, 1); }
};

}  // namespace

PortResult PortLink::PortOpen() {
    lastError_ = 0;
    PortResult result = PORT_ALREADY_OPEN;
    if (!IsOpen()) {
        handle_ = device_.Open(PORT_DEVICE_NAME, PORT_OPEN_ACCESS, PORT_OPEN_SHARE,
                               PORT_OPEN_CREATE_NEW, PORT_OPEN_DELETE_ON_CLOSE);
        if (IsOpen()) {
            result = PORT_OK;
        } else {
            lastError_ = device_.LastError();
            result = PORT_OPEN_FAILED;
        }
    }
    outputs_.TrayIconSet(TRAY_PICTURE_IDLE);
    return result;
}

PortResult PortLink::PortClose() {
    lastError_ = 0;
    PortResult result = PORT_NOT_OPEN;
    if (IsOpen()) {
        // The handle is given up even when the system refuses to release it: it is
        // of no further use to the link, and the next open starts afresh.
        if (!device_.Close(handle_)) lastError_ = device_.LastError();
        handle_ = PortDevice::INVALID;
        result = PORT_OK;
    } else {
        lastError_ = PORT_ERROR_INVALID_HANDLE;
    }
    outputs_.TrayIconSet(TRAY_PICTURE_IDLE);
    return result;
}

template <typename Record>
PortResult PortLink::Request(std::uint32_t code, const void* in, std::uint32_t inSize,
                             Record& out) {
    lastError_ = 0;
    if (!IsOpen()) return PORT_NOT_OPEN;
    // The answer lands in a scratch record so that a refused or short answer never
    // reaches the caller's record.
    Record answer;
    std::uint32_t returned = 0;
    const bool done = device_.IoControl(handle_, code, in, inSize, answer.Data(),
                                        static_cast<std::uint32_t>(Record::SIZE), &returned);
    if (!done || returned != Record::SIZE) {
        lastError_ = device_.LastError();
        return PORT_REQUEST_FAILED;
    }
    out = answer;
    return PORT_OK;
}

PortResult PortLink::PortGetStatus(PortStatus& status) {
    const RequestWord word;
    return Request(PORT_IOCTL_GET_STATUS, word.bytes, sizeof word.bytes, status);
}

PortResult PortLink::PortGetStatistics(PortStatistics& statistics) {
    const RequestWord word;
    return Request(PORT_IOCTL_GET_STATISTICS, word.bytes, sizeof word.bytes, statistics);
}

PortResult PortLink::PortSetRts(const RtsRequest& request) {
    RtsRequest discarded;
    return Request(PORT_IOCTL_SET_RTS, request.Data(), static_cast<std::uint32_t>(RtsRequest::SIZE),
                   discarded);
}

}  // namespace qor
