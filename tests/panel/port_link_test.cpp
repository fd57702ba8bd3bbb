#include "port_link.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fake_panel_view.h"
#include "fake_port_device.h"

namespace qor {
namespace {

using test::FakePanelView;
using test::FakePortDevice;

class PortLinkTest : public ::testing::Test {
protected:
    // Shows a non-idle picture, so that the link's TrayIconSet(0) can be seen.
    void ShowConnectedPicture() {
        outputs.TrayIconSet(3);
        ASSERT_EQ(view.picture, 3);
    }

    FakePortDevice device;
    FakePanelView view;
    PanelOutputs outputs{view};
    PortLink link{device, outputs};
};

TEST_F(PortLinkTest, OpenUsesTheDeviceNameAndArguments) {
    ShowConnectedPicture();
    EXPECT_EQ(link.PortOpen(), PORT_OK);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(device.lastOpen.name, std::string("\\\\.\\QORPORT "));
    EXPECT_EQ(device.lastOpen.name.size(), 12u);
    EXPECT_EQ(device.lastOpen.access, 0u);
    EXPECT_EQ(device.lastOpen.share, 0u);
    EXPECT_EQ(device.lastOpen.disposition, 1u);
    EXPECT_EQ(device.lastOpen.flags, 0x04000000u);
    EXPECT_EQ(device.openHandles.size(), 1u);
    EXPECT_EQ(view.picture, 0);
    EXPECT_EQ(link.LastError(), 0u);
}

TEST_F(PortLinkTest, SecondOpenIsRefusedWithoutASecondHandle) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    ShowConnectedPicture();
    EXPECT_EQ(link.PortOpen(), PORT_ALREADY_OPEN);
    EXPECT_EQ(device.opens, 1);
    EXPECT_EQ(device.openHandles.size(), 1u);
    EXPECT_EQ(view.picture, 0);
}

TEST_F(PortLinkTest, FailedOpenLeavesTheLinkClosedWithTheSystemError) {
    ShowConnectedPicture();
    device.refuseOpen = true;
    device.openError = 2;
    EXPECT_EQ(link.PortOpen(), PORT_OPEN_FAILED);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.LastError(), 2u);
    EXPECT_EQ(view.picture, 0);

    device.refuseOpen = false;
    EXPECT_EQ(link.PortOpen(), PORT_OK);
    EXPECT_EQ(link.LastError(), 0u);
}

TEST_F(PortLinkTest, CloseReleasesTheHandleAndACloseTooManyIsRefused) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    ShowConnectedPicture();
    EXPECT_EQ(link.PortClose(), PORT_OK);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(device.openHandles.empty());
    EXPECT_EQ(view.picture, 0);

    ShowConnectedPicture();
    EXPECT_EQ(link.PortClose(), PORT_NOT_OPEN);
    EXPECT_EQ(device.closes, 1) << "no system call for a closed link";
    EXPECT_EQ(link.LastError(), PORT_ERROR_INVALID_HANDLE);
    EXPECT_EQ(view.picture, 0);
}

TEST_F(PortLinkTest, CloseThatTheSystemRefusesStillClosesTheLink) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    device.openHandles.clear();  // the handle is no longer valid for the system
    EXPECT_EQ(link.PortClose(), PORT_OK);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.LastError(), FakePortDevice::ERROR_INVALID_HANDLE);
    EXPECT_EQ(link.PortOpen(), PORT_OK);
}

TEST_F(PortLinkTest, ReopensAfterCloseAnyNumberOfTimes) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(link.PortOpen(), PORT_OK);
        ASSERT_EQ(link.PortClose(), PORT_OK);
    }
    EXPECT_EQ(device.opens, 3);
    EXPECT_TRUE(device.openHandles.empty());
}

// One of the three requests, seen from the outside: its code, the input it must
// send, its record size, and a call that fills (or sends) a record whose bytes the
// test can inspect.
struct RequestCase {
    const char* name;
    std::uint32_t code;
    std::size_t size;
    std::function<PortResult(PortLink&, std::vector<unsigned char>&)> call;
    std::vector<unsigned char> input;  // empty: the record itself is the input
};

template <typename Record>
PortResult Fill(PortResult (PortLink::*get)(Record&), PortLink& link,
                std::vector<unsigned char>& bytes) {
    Record record;
    std::memcpy(record.Data(), bytes.data(), Record::SIZE);
    const PortResult result = (link.*get)(record);
    bytes.assign(record.Data(), record.Data() + Record::SIZE);
    return result;
}

std::vector<RequestCase> RequestCases() {
    return {
        {"status", 2049, 26,
         [](PortLink& link, std::vector<unsigned char>& bytes) {
             return Fill(&PortLink::PortGetStatus, link, bytes);
         },
         {1, 0}},
        {"statistics", 2050, 34,
         [](PortLink& link, std::vector<unsigned char>& bytes) {
             return Fill(&PortLink::PortGetStatistics, link, bytes);
         },
         {1, 0}},
        {"set RTS", 2051, 10,
         [](PortLink& link, std::vector<unsigned char>& bytes) {
             RtsRequest request;
             std::memcpy(request.Data(), bytes.data(), RtsRequest::SIZE);
             return link.PortSetRts(request);
         },
         {}},
    };
}

// The caller's record before the call: a pattern the driver's answers never hold.
std::vector<unsigned char> Untouched(std::size_t size) { return std::vector<unsigned char>(size, 0xEE); }

std::vector<unsigned char> Answer(std::size_t size) {
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i + 1);
    return bytes;
}

TEST_F(PortLinkTest, RequestsSendTheirInputAndAskForExactlyTheRecordSize) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    for (const RequestCase& request : RequestCases()) {
        SCOPED_TRACE(request.name);
        device.SetAnswer(request.code, {true, Answer(request.size),
                                        static_cast<std::uint32_t>(request.size), 0});
        std::vector<unsigned char> bytes = Untouched(request.size);
        const std::vector<unsigned char> sent = bytes;
        EXPECT_EQ(request.call(link, bytes), PORT_OK);
        EXPECT_EQ(device.calls[request.code], 1);
        EXPECT_EQ(device.lastInput[request.code], request.input.empty() ? sent : request.input);
        EXPECT_EQ(device.lastOutSize[request.code], request.size);
        if (request.input.empty()) {
            EXPECT_EQ(bytes, sent) << "the answer to set RTS is discarded";
        } else {
            EXPECT_EQ(bytes, Answer(request.size));
        }
        EXPECT_EQ(link.LastError(), 0u);
    }
}

TEST_F(PortLinkTest, AnswerOfTheWrongSizeFailsAndLeavesTheRecordUntouched) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    for (const RequestCase& request : RequestCases()) {
        for (std::size_t returned : {std::size_t{0}, request.size - 1, request.size + 1}) {
            SCOPED_TRACE(std::string(request.name) + ", " + std::to_string(returned) + " bytes");
            device.QueueAnswer(request.code,
                               {true, Answer(request.size), static_cast<std::uint32_t>(returned), 0});
            std::vector<unsigned char> bytes = Untouched(request.size);
            EXPECT_EQ(request.call(link, bytes), PORT_REQUEST_FAILED);
            EXPECT_EQ(bytes, Untouched(request.size));
        }
    }
    EXPECT_TRUE(link.IsOpen()) << "the link does not close itself";
}

TEST_F(PortLinkTest, RefusedRequestFailsWithTheSystemError) {
    ASSERT_EQ(link.PortOpen(), PORT_OK);
    for (const RequestCase& request : RequestCases()) {
        SCOPED_TRACE(request.name);
        device.QueueAnswer(request.code, {false, Answer(request.size),
                                          static_cast<std::uint32_t>(request.size), 31});
        std::vector<unsigned char> bytes = Untouched(request.size);
        EXPECT_EQ(request.call(link, bytes), PORT_REQUEST_FAILED);
        EXPECT_EQ(link.LastError(), 31u);
        EXPECT_EQ(bytes, Untouched(request.size));

        device.QueueAnswer(request.code, {true, Answer(request.size),
                                          static_cast<std::uint32_t>(request.size), 0});
        EXPECT_EQ(request.call(link, bytes), PORT_OK);
        EXPECT_EQ(link.LastError(), 0u) << "every operation clears the last error first";
    }
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(PortLinkTest, RequestOnAClosedLinkIsRefusedAtOnce) {
    ShowConnectedPicture();
    for (const RequestCase& request : RequestCases()) {
        SCOPED_TRACE(request.name);
        std::vector<unsigned char> bytes = Untouched(request.size);
        EXPECT_EQ(request.call(link, bytes), PORT_NOT_OPEN);
        EXPECT_EQ(bytes, Untouched(request.size));
        EXPECT_EQ(device.calls[request.code], 0);
    }
    EXPECT_EQ(view.picture, 3) << "requests never touch the notification icon";
}

}  // namespace
}  // namespace qor
