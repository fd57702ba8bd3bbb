// The three records exchanged with the driver. Each holds its raw little-endian
// bytes; the accessors read and write the fields at their fixed offsets, and two
// records compare equal exactly when all their bytes do.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "little_endian.h"

namespace qor {

template <std::size_t N>
class RawRecord {
public:
    static constexpr std::size_t SIZE = N;

    unsigned char* Data() { return bytes_.data(); }
    const unsigned char* Data() const { return bytes_.data(); }
    void Fill(unsigned char value) { bytes_.fill(value); }

    friend bool operator==(const RawRecord& a, const RawRecord& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const RawRecord& a, const RawRecord& b) { return a.bytes_ != b.bytes_; }

protected:
    // Field access at fixed offsets, checked against the record's size when compiled.
    template <std::size_t Offset>
    std::uint16_t U16() const {
        static_assert(Offset + 2 <= N);
        return LoadU16(bytes_.data() + Offset);
    }
    template <std::size_t Offset>
    std::uint32_t U32() const {
        static_assert(Offset + 4 <= N);
        return LoadU32(bytes_.data() + Offset);
    }
    template <std::size_t Offset>
    void SetU16(std::uint16_t value) {
        static_assert(Offset + 2 <= N);
        StoreU16(bytes_.data() + Offset, value);
    }
    template <std::size_t Offset>
    void SetU32(std::uint32_t value) {
        static_assert(Offset + 4 <= N);
        StoreU32(bytes_.data() + Offset, value);
    }

private:
    std::array<unsigned char, N> bytes_{};
};

// The driver's view of the line and the call (26 bytes).
class PortStatus : public RawRecord<26> {
public:
    std::uint16_t ReservedLow() const { return U16<0>(); }
    std::uint16_t Mode() const { return U16<2>(); }
    std::uint32_t LineSignals() const { return U32<4>(); }
    std::int32_t Speed() const { return static_cast<std::int32_t>(U32<8>()); }
    std::uint32_t ErrorControl() const { return U32<12>(); }
    std::uint32_t Compression() const { return U32<16>(); }
    std::uint16_t CallState() const { return U16<20>(); }
    std::uint16_t Modulation() const { return U16<22>(); }
    std::uint16_t ReservedHigh() const { return U16<24>(); }

    void SetReservedLow(std::uint16_t value) { SetU16<0>(value); }
    void SetMode(std::uint16_t value) { SetU16<2>(value); }
    void SetLineSignals(std::uint32_t value) { SetU32<4>(value); }
    void SetSpeed(std::int32_t value) { SetU32<8>(static_cast<std::uint32_t>(value)); }
    void SetErrorControl(std::uint32_t value) { SetU32<12>(value); }
    void SetCompression(std::uint32_t value) { SetU32<16>(value); }
    void SetCallState(std::uint16_t value) { SetU16<20>(value); }
    void SetModulation(std::uint16_t value) { SetU16<22>(value); }
    void SetReservedHigh(std::uint16_t value) { SetU16<24>(value); }
};

// The words of PortStatistics, named by their byte offsets.
enum class StatisticsWord : std::size_t {
    Reserved = 0,
    DteTransmitLevel = 2,
    DteTransmitSize = 4,
    DteReceiveLevel = 6,
    DteReceiveSize = 8,
    DceTransmitLevel = 10,
    DceTransmitSize = 12,
    DceReceiveLevel = 14,
    DceReceiveSize = 16,
    InputQueueLevel = 18,
    InputQueueSize = 20,
    OutputQueueLevel = 22,
    OutputQueueSize = 24,
    TaskerRunTime = 26,
    TaskerLoops = 28,
    RtsFrequency = 30,
    RtsAsyncTime = 32,
};

// The driver's buffer levels and scheduler figures: seventeen 16-bit words (34 bytes).
class PortStatistics : public RawRecord<34> {
public:
    // A word outside the record (only reachable by casting) reads 0 and is not written.
    std::uint16_t Get(StatisticsWord word) const {
        const auto offset = static_cast<std::size_t>(word);
        return offset + 2 <= SIZE ? LoadU16(Data() + offset) : 0;
    }
    void Set(StatisticsWord word, std::uint16_t value) {
        const auto offset = static_cast<std::size_t>(word);
        if (offset + 2 <= SIZE) StoreU16(Data() + offset, value);
    }
};

// The request that sets the driver's RTS frequency (10 bytes).
class RtsRequest : public RawRecord<10> {
public:
    std::uint32_t ReservedLow() const { return U32<0>(); }
    std::uint16_t Frequency() const { return U16<4>(); }
    std::uint16_t ReservedMiddle() const { return U16<6>(); }
    std::uint16_t Constant() const { return U16<8>(); }

    void SetReservedLow(std::uint32_t value) { SetU32<0>(value); }
    void SetFrequency(std::uint16_t milliseconds) { SetU16<4>(milliseconds); }
    void SetReservedMiddle(std::uint16_t value) { SetU16<6>(value); }
    void SetConstant(std::uint16_t value) { SetU16<8>(value); }
};

}  // namespace qor
