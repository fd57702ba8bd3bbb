// The link to the modem driver: one device handle and three synchronous requests.
// It never shows anything; every failure is a result code for the caller.
#pragma once

#include <cstdint>

#include "panel_outputs.h"
#include "port_device.h"
#include "port_records.h"

namespace qor {

using PortResult = unsigned;
inline constexpr PortResult PORT_OK = 0;
inline constexpr PortResult PORT_OPEN_FAILED = 1;
inline constexpr PortResult PORT_ALREADY_OPEN = 2;
inline constexpr PortResult PORT_NOT_OPEN = 3;
inline constexpr PortResult PORT_REQUEST_FAILED = 4;

inline constexpr std::uint32_t PORT_IOCTL_GET_STATUS = 2049;
inline constexpr std::uint32_t PORT_IOCTL_GET_STATISTICS = 2050;
inline constexpr std::uint32_t PORT_IOCTL_SET_RTS = 2051;

// "\\.\" and the driver's eight-character name; the trailing blank belongs to it.
inline constexpr char PORT_DEVICE_NAME[] = "\\\\.\\QORPORT ";
static_assert(sizeof PORT_DEVICE_NAME - 1 == 12);

// The CreateFileA arguments of the open.
inline constexpr std::uint32_t PORT_OPEN_ACCESS = 0;
inline constexpr std::uint32_t PORT_OPEN_SHARE = 0;
inline constexpr std::uint32_t PORT_OPEN_CREATE_NEW = 1;
inline constexpr std::uint32_t PORT_OPEN_DELETE_ON_CLOSE = 0x04000000;

// What the link records as last error when asked to close a closed link
// (ERROR_INVALID_HANDLE); no system call is made for it.
inline constexpr std::uint32_t PORT_ERROR_INVALID_HANDLE = 6;

class PortLink {
public:
    // outputs receives TrayIconSet(0) at the end of every open and close.
    PortLink(PortDevice& device, PanelOutputs& outputs) : device_(device), outputs_(outputs) {}
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // PORT_OK, PORT_OPEN_FAILED or PORT_ALREADY_OPEN (no second handle is opened).
    PortResult PortOpen();
    // PORT_OK, or PORT_NOT_OPEN when already closed.
    PortResult PortClose();
    // PORT_OK, PORT_NOT_OPEN or PORT_REQUEST_FAILED. The output record is written
    // only on PORT_OK; otherwise it keeps what it held.
    PortResult PortGetStatus(PortStatus& status);
    PortResult PortGetStatistics(PortStatistics& statistics);
    // The driver's 10-byte answer is discarded.
    PortResult PortSetRts(const RtsRequest& request);

    bool IsOpen() const { return handle_ != PortDevice::INVALID; }
    // The system error of the most recent failed operation; 0 after a success.
    std::uint32_t LastError() const { return lastError_; }

private:
    // One synchronous request whose answer must fill out exactly.
    template <typename Record>
    PortResult Request(std::uint32_t code, const void* in, std::uint32_t inSize, Record& out);

    PortDevice& device_;
    PanelOutputs& outputs_;
    PortDevice::Handle handle_ = PortDevice::INVALID;
    std::uint32_t lastError_ = 0;
};

}  // namespace qor
