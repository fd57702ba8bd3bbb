// The real Win32 link (PortLink over Win32PortDevice) against the simulated
// driver under Wine. Each test restarts the driver with its own scenario, so the
// scenario's clock starts with the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "counting_port_device.h"
#include "fake_panel_view.h"
#include "panel_outputs.h"
#include "port_link.h"
#include "simulated_driver.h"

namespace qor::test {
namespace {

using namespace std::chrono_literals;

constexpr DWORD kErrorFileNotFound = 2;

class Win32LinkTest : public ::testing::Test {
protected:
    void StartDriver(const std::string& scenario) {
        std::string error;
        ASSERT_TRUE(driver.Restart(scenario, &error)) << error;
    }
    void TearDown() override {
        if (link.IsOpen()) link.PortClose();
    }

    SimulatedDriver driver;
    CountingPortDevice device;
    FakePanelView view;
    PanelOutputs outputs{view};
    PortLink link{device, outputs};
};

// The records of link-answering.txt.
PortStatus AnsweringStatus() {
    PortStatus s;
    s.SetReservedLow(0x1234);
    s.SetMode(2);
    s.SetLineSignals(0x0FC);
    s.SetSpeed(28800);
    s.SetErrorControl('M');
    s.SetCompression('C');
    s.SetCallState(3);
    s.SetModulation(17);
    s.SetReservedHigh(0xABCD);
    return s;
}

PortStatistics AnsweringStatistics() {
    PortStatistics s;
    const std::pair<StatisticsWord, std::uint16_t> words[] = {
        {StatisticsWord::DteTransmitLevel, 10}, {StatisticsWord::DteTransmitSize, 1024},
        {StatisticsWord::DteReceiveLevel, 20},  {StatisticsWord::DteReceiveSize, 1024},
        {StatisticsWord::DceTransmitLevel, 30}, {StatisticsWord::DceTransmitSize, 2048},
        {StatisticsWord::DceReceiveLevel, 40},  {StatisticsWord::DceReceiveSize, 2048},
        {StatisticsWord::InputQueueLevel, 5},   {StatisticsWord::InputQueueSize, 64},
        {StatisticsWord::OutputQueueLevel, 6},  {StatisticsWord::OutputQueueSize, 64},
        {StatisticsWord::TaskerRunTime, 7},     {StatisticsWord::TaskerLoops, 1500},
        {StatisticsWord::RtsFrequency, 20},     {StatisticsWord::RtsAsyncTime, 3},
    };
    for (const auto& [word, value] : words) s.Set(word, value);
    return s;
}

RtsRequest Rts(std::uint16_t frequency) {
    RtsRequest r;
    r.SetFrequency(frequency);
    r.SetConstant(4);
    return r;
}

TEST_F(Win32LinkTest, SecondOpenIsRefusedWithoutASecondHandle) {
    StartDriver("link-answering.txt");
    EXPECT_EQ(link.PortOpen(), PORT_OK);
    EXPECT_EQ(link.PortOpen(), PORT_ALREADY_OPEN);
    EXPECT_EQ(device.opens, 1);
    PortStatus status;
    EXPECT_EQ(link.PortGetStatus(status), PORT_OK);
}

TEST_F(Win32LinkTest, ClosesOnceAndReopensAnyNumberOfTimes) {
    StartDriver("link-answering.txt");
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(link.PortOpen(), PORT_OK);
        EXPECT_EQ(link.PortClose(), PORT_OK);
        EXPECT_EQ(link.PortClose(), PORT_NOT_OPEN);
        PortStatus status;
        EXPECT_EQ(link.PortGetStatus(status), PORT_NOT_OPEN);
    }
}

TEST_F(Win32LinkTest, AnswersAreTheScenarioRecordsAndStayIdentical) {
    StartDriver("link-answering.txt");
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    PortStatus first, second;
    ASSERT_EQ(link.PortGetStatus(first), PORT_OK);
    ASSERT_EQ(link.PortGetStatus(second), PORT_OK);
    EXPECT_EQ(first, AnsweringStatus());
    EXPECT_EQ(second, first);

    PortStatistics statistics;
    ASSERT_EQ(link.PortGetStatistics(statistics), PORT_OK);
    EXPECT_EQ(statistics, AnsweringStatistics());
}

TEST_F(Win32LinkTest, RtsRequestArrivesWholeAndSetsTheReportedFrequency) {
    StartDriver("link-answering.txt");
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    EXPECT_EQ(driver.RtsRequests(), 0u);
    for (const std::uint16_t frequency : {std::uint16_t{35}, std::uint16_t{10}}) {
        SCOPED_TRACE(frequency);
        const RtsRequest request = Rts(frequency);
        const std::uint32_t before = driver.RtsRequests();
        ASSERT_EQ(link.PortSetRts(request), PORT_OK);
        EXPECT_EQ(driver.RtsRequests(), before + 1);
        const auto taken = driver.LastRtsRequest();
        ASSERT_TRUE(taken.has_value());
        EXPECT_EQ(*taken, std::vector<unsigned char>(request.Data(),
                                                     request.Data() + RtsRequest::SIZE));
        PortStatistics statistics;
        ASSERT_EQ(link.PortGetStatistics(statistics), PORT_OK);
        EXPECT_EQ(statistics.Get(StatisticsWord::RtsFrequency), frequency);
    }
}

// A faulty answer fails every request through the link and leaves the caller's
// record alone; the raw request shows the driver's own byte count.
struct FaultCase {
    const char* scenario;
    bool rawSucceeds;
    DWORD rawStatusBytes;
};

class Win32LinkFaultTest : public Win32LinkTest,
                           public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Win32LinkFaultTest, EveryRequestFails) {
    StartDriver(GetParam().scenario);
    ASSERT_EQ(link.PortOpen(), PORT_OK);

    PortStatus status;
    status.Fill(0x5A);
    const PortStatus untouched = status;
    EXPECT_EQ(link.PortGetStatus(status), PORT_REQUEST_FAILED);
    EXPECT_EQ(status, untouched);
    PortStatistics statistics;
    EXPECT_EQ(link.PortGetStatistics(statistics), PORT_REQUEST_FAILED);
    EXPECT_EQ(link.PortSetRts(Rts(25)), PORT_REQUEST_FAILED);
    // A failed request leaves the link open: closing is the caller's decision.
    EXPECT_TRUE(link.IsOpen());

    const HANDLE raw = CreateFileA(PORT_DEVICE_NAME, 0, 0, nullptr, CREATE_NEW,
                                   FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(raw, INVALID_HANDLE_VALUE);
    unsigned char in[2] = {1, 0};
    unsigned char out[PortStatus::SIZE] = {};
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(raw, PORT_IOCTL_GET_STATUS, in, sizeof in, out, sizeof out,
                                      &returned, nullptr);
    CloseHandle(raw);
    EXPECT_EQ(done != FALSE, GetParam().rawSucceeds);
    if (done) {
        EXPECT_EQ(returned, GetParam().rawStatusBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, Win32LinkFaultTest,
                         ::testing::Values(FaultCase{"link-short.txt", true, 25},
                                           FaultCase{"link-long.txt", true, 27},
                                           FaultCase{"link-refused.txt", false, 0}));

TEST_F(Win32LinkTest, DriverGoneThenBack) {
    StartDriver("link-gone.txt");
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    PortStatus status;
    ASSERT_EQ(link.PortGetStatus(status), PORT_OK);

    // Gone: the open handle's requests fail, and a new open finds no device. A
    // request that fails while the device is still there (seen once on a loaded
    // machine) is met as the monitor meets it: close, open again, keep polling.
    ASSERT_TRUE(WaitFor(
        [&] {
            if (link.PortGetStatus(status) != PORT_REQUEST_FAILED) return false;
            EXPECT_EQ(link.PortClose(), PORT_OK);
            return link.PortOpen() == PORT_OPEN_FAILED;
        },
        10s));
    EXPECT_EQ(link.LastError(), kErrorFileNotFound);
    EXPECT_FALSE(link.IsOpen());

    // Back: opens succeed again and the driver answers.
    ASSERT_TRUE(WaitFor([&] { return link.PortOpen() == PORT_OK; }, 10s));
    EXPECT_EQ(link.PortGetStatus(status), PORT_OK);
    EXPECT_EQ(status.Mode(), 1);
}

}  // namespace
}  // namespace qor::test
