#include "port_records.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace qor {
namespace {

template <typename Record>
std::vector<unsigned char> Bytes(const Record& record) {
    return {record.Data(), record.Data() + Record::SIZE};
}

TEST(PortRecordsTest, SizesAreTheDriversAndRecordsStartZeroed) {
    EXPECT_EQ(PortStatus::SIZE, 26u);
    EXPECT_EQ(PortStatistics::SIZE, 34u);
    EXPECT_EQ(RtsRequest::SIZE, 10u);
    EXPECT_EQ(Bytes(PortStatus{}), std::vector<unsigned char>(26, 0));
    EXPECT_EQ(Bytes(PortStatistics{}), std::vector<unsigned char>(34, 0));
    EXPECT_EQ(Bytes(RtsRequest{}), std::vector<unsigned char>(10, 0));
}

TEST(PortRecordsTest, StatusFieldsLieLittleEndianAtTheirOffsets) {
    PortStatus status;
    status.SetReservedLow(0x0201);
    status.SetMode(0x0403);
    status.SetLineSignals(0x08070605);
    status.SetSpeed(0x0C0B0A09);
    status.SetErrorControl(0x100F0E0D);
    status.SetCompression(0x14131211);
    status.SetCallState(0x1615);
    status.SetModulation(0x1817);
    status.SetReservedHigh(0x1A19);
    std::vector<unsigned char> expected;
    for (unsigned char b = 1; b <= 26; ++b) expected.push_back(b);
    EXPECT_EQ(Bytes(status), expected);

    EXPECT_EQ(status.ReservedLow(), 0x0201);
    EXPECT_EQ(status.Mode(), 0x0403);
    EXPECT_EQ(status.LineSignals(), 0x08070605u);
    EXPECT_EQ(status.Speed(), 0x0C0B0A09);
    EXPECT_EQ(status.ErrorControl(), 0x100F0E0Du);
    EXPECT_EQ(status.Compression(), 0x14131211u);
    EXPECT_EQ(status.CallState(), 0x1615);
    EXPECT_EQ(status.Modulation(), 0x1817);
    EXPECT_EQ(status.ReservedHigh(), 0x1A19);
}

TEST(PortRecordsTest, SpeedIsSigned) {
    PortStatus status;
    for (std::size_t i = 8; i < 12; ++i) status.Data()[i] = 0xFF;
    EXPECT_EQ(status.Speed(), -1);
    status.SetSpeed(-28800);
    EXPECT_EQ(status.Speed(), -28800);
}

TEST(PortRecordsTest, StatisticsWordsLieAtTheirOffsets) {
    const StatisticsWord words[] = {
        StatisticsWord::Reserved,         StatisticsWord::DteTransmitLevel,
        StatisticsWord::DteTransmitSize,  StatisticsWord::DteReceiveLevel,
        StatisticsWord::DteReceiveSize,   StatisticsWord::DceTransmitLevel,
        StatisticsWord::DceTransmitSize,  StatisticsWord::DceReceiveLevel,
        StatisticsWord::DceReceiveSize,   StatisticsWord::InputQueueLevel,
        StatisticsWord::InputQueueSize,   StatisticsWord::OutputQueueLevel,
        StatisticsWord::OutputQueueSize,  StatisticsWord::TaskerRunTime,
        StatisticsWord::TaskerLoops,      StatisticsWord::RtsFrequency,
        StatisticsWord::RtsAsyncTime,
    };
    PortStatistics statistics;
    for (std::size_t i = 0; i < 17; ++i) {
        EXPECT_EQ(static_cast<std::size_t>(words[i]), 2 * i);
        statistics.Set(words[i], static_cast<std::uint16_t>(0xA000 + i));
    }
    for (std::size_t i = 0; i < 17; ++i) {
        EXPECT_EQ(statistics.Data()[2 * i], i) << "word " << i;
        EXPECT_EQ(statistics.Data()[2 * i + 1], 0xA0) << "word " << i;
        EXPECT_EQ(statistics.Get(words[i]), 0xA000 + i);
    }
}

TEST(PortRecordsTest, StatisticsWordOutsideTheRecordIsNeitherReadNorWritten) {
    PortStatistics statistics;
    statistics.Fill(0x5A);
    const auto outside = static_cast<StatisticsWord>(33);
    statistics.Set(outside, 0x1234);
    EXPECT_EQ(statistics.Get(outside), 0);
    EXPECT_EQ(Bytes(statistics), std::vector<unsigned char>(34, 0x5A));
}

TEST(PortRecordsTest, RtsRequestLayout) {
    RtsRequest request;
    request.SetFrequency(35);
    request.SetConstant(4);
    EXPECT_EQ(Bytes(request), (std::vector<unsigned char>{0, 0, 0, 0, 35, 0, 0, 0, 4, 0}));
    request.SetReservedLow(0x04030201);
    request.SetReservedMiddle(0x0605);
    EXPECT_EQ(request.ReservedLow(), 0x04030201u);
    EXPECT_EQ(request.Frequency(), 35);
    EXPECT_EQ(request.ReservedMiddle(), 0x0605);
    EXPECT_EQ(request.Constant(), 4);
}

// Equality is byte for byte: a difference in any single byte, the reserved words
// included, makes two records differ.
TEST(PortRecordsTest, RecordsDifferInAnySingleByte) {
    const PortStatus base;
    for (std::size_t i = 0; i < PortStatus::SIZE; ++i) {
        PortStatus changed = base;
        changed.Data()[i] = 1;
        EXPECT_NE(changed, base) << "byte " << i;
        EXPECT_FALSE(changed == base) << "byte " << i;
    }
    PortStatistics a, b;
    b.Data()[PortStatistics::SIZE - 1] = 0x80;
    EXPECT_NE(a, b);
    b.Data()[PortStatistics::SIZE - 1] = 0;
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace qor
