// The simulated driver's answers to requests that the front panel never makes:
// buffers of other sizes, a short RTS request, an unknown code. Nothing may be
// written beyond the caller's buffer and nothing half-taken.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "simulated_driver.h"

namespace qor::test {
namespace {

constexpr unsigned char kGuard = 0xEE;

class SimulatedDriverRequestTest : public ::testing::Test {
protected:
    void Start(const std::string& scenario) {
        std::string error;
        ASSERT_TRUE(driver.Restart(scenario, &error)) << error;
        device = CreateFileA("\\\\.\\QORPORT ", 0, 0, nullptr, CREATE_NEW,
                             FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        ASSERT_NE(device, INVALID_HANDLE_VALUE);
    }
    void TearDown() override {
        if (device != INVALID_HANDLE_VALUE) CloseHandle(device);
    }
    // The request with inSize bytes of input and outSize bytes of a guarded buffer.
    bool Request(DWORD code, DWORD inSize, DWORD outSize) {
        out.fill(kGuard);
        returned = 0;
        return DeviceIoControl(device, code, in.data(), inSize, out.data(), outSize, &returned,
                               nullptr) != FALSE;
    }
    bool GuardIntactFrom(std::size_t offset) const {
        for (std::size_t i = offset; i < out.size(); ++i)
            if (out[i] != kGuard) return false;
        return true;
    }

    SimulatedDriver driver;
    HANDLE device = INVALID_HANDLE_VALUE;
    std::array<unsigned char, 10> in{0, 0, 0, 0, 30, 0, 0, 0, 4, 0};
    std::array<unsigned char, 64> out{};
    DWORD returned = 0;
};

struct SizeCase {
    DWORD code;
    DWORD outSize;
    bool succeeds;
    DWORD returned;
};

class SimulatedDriverBufferTest : public SimulatedDriverRequestTest,
                                  public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SimulatedDriverBufferTest, AnswersOnlyWithRoomAndWritesNoFurther) {
    Start("link-answering.txt");
    const SizeCase& c = GetParam();
    EXPECT_EQ(Request(c.code, 10, c.outSize), c.succeeds);
    if (c.succeeds) {
        EXPECT_EQ(returned, c.returned);
        EXPECT_TRUE(GuardIntactFrom(c.returned));
    } else {
        EXPECT_TRUE(GuardIntactFrom(0));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SimulatedDriverBufferTest,
                         ::testing::Values(SizeCase{2049, 25, false, 0},
                                           SizeCase{2049, 0, false, 0},
                                           SizeCase{2049, 64, true, 26},
                                           SizeCase{2050, 33, false, 0},
                                           SizeCase{2050, 64, true, 34},
                                           SizeCase{2051, 9, false, 0},
                                           SizeCase{2051, 64, true, 10},
                                           SizeCase{2052, 64, false, 0},
                                           SizeCase{2048, 64, false, 0}));

TEST_F(SimulatedDriverRequestTest, RtsRequestRefusedUnlessWholeOrWithRoomForTheAnswer) {
    Start("link-answering.txt");
    EXPECT_FALSE(Request(2051, 9, 10));
    EXPECT_FALSE(Request(2051, 10, 9));
    EXPECT_EQ(driver.RtsRequests(), 0u);
    EXPECT_TRUE(Request(2051, 10, 10));
    EXPECT_EQ(driver.RtsRequests(), 1u);
    // The answer echoes the request.
    EXPECT_TRUE(std::equal(in.begin(), in.end(), out.begin()));
}

TEST_F(SimulatedDriverRequestTest, LongAnswerReportsOneByteMoreButWritesOnlyWhatFits) {
    Start("link-long.txt");
    ASSERT_TRUE(Request(2049, 2, 26));
    EXPECT_EQ(returned, 27u);
    EXPECT_TRUE(GuardIntactFrom(26));
    ASSERT_TRUE(Request(2049, 2, 64));
    EXPECT_EQ(returned, 27u);
    EXPECT_EQ(out[26], 0);
    EXPECT_TRUE(GuardIntactFrom(27));
}

}  // namespace
}  // namespace qor::test
