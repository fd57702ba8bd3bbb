// An in-process driver for the link's tests: scripted answers per request code,
// refused opens, and a record of what was asked.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "port_device.h"
#include "port_records.h"

namespace qor::test {

class FakePortDevice : public PortDevice {
public:
    struct Answer {
        bool succeeds = true;
        std::vector<unsigned char> bytes;  // written into the caller's buffer, cut to its size
        std::uint32_t returned = 0;        // the byte count reported back
        std::uint32_t error = 0;           // GetLastError after the call
    };

    struct OpenCall {
        std::string name;
        std::uint32_t access = 0, share = 0, disposition = 0, flags = 0;
    };

    static constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
    static constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
    static constexpr std::uint32_t ERROR_GEN_FAILURE = 31;
    // The set-RTS request, whose inputs are kept in rtsRequests.
    static constexpr std::uint32_t kSetRtsCode = 2051;

    // The answer given whenever nothing is queued for the code.
    void SetAnswer(std::uint32_t code, Answer answer) { steady_[code] = std::move(answer); }
    // Answers given once each, before the steady one.
    void QueueAnswer(std::uint32_t code, Answer answer) { queued_[code].push_back(std::move(answer)); }

    // A complete record with its exact byte count.
    template <typename Record>
    static Answer Complete(const Record& record) {
        return {true, {record.Data(), record.Data() + Record::SIZE},
                static_cast<std::uint32_t>(Record::SIZE), 0};
    }
    static Answer Refusal(std::uint32_t error = ERROR_GEN_FAILURE) { return {false, {}, 0, error}; }

    // Opens fail while refuseOpen holds, with openError.
    bool refuseOpen = false;
    std::uint32_t openError = ERROR_FILE_NOT_FOUND;

    Handle Open(const char* name, std::uint32_t access, std::uint32_t share,
                std::uint32_t disposition, std::uint32_t flags) override {
        ++opens;
        lastOpen = {name, access, share, disposition, flags};
        if (refuseOpen) {
            lastError_ = openError;
            return INVALID;
        }
        const Handle handle = nextHandle_++;
        openHandles.insert(handle);
        return handle;
    }

    bool IoControl(Handle handle, std::uint32_t code, const void* in, std::uint32_t inSize,
                   void* out, std::uint32_t outSize, std::uint32_t* returned) override {
        ++calls[code];
        auto& input = lastInput[code];
        input.assign(static_cast<const unsigned char*>(in),
                     static_cast<const unsigned char*>(in) + inSize);
        lastOutSize[code] = outSize;
        if (code == kSetRtsCode && inSize == RtsRequest::SIZE) {
            RtsRequest request;
            std::memcpy(request.Data(), in, RtsRequest::SIZE);
            rtsRequests.push_back(request);
        }
        if (openHandles.count(handle) == 0) {
            lastError_ = ERROR_INVALID_HANDLE;
            return false;
        }
        const Answer& answer = NextAnswer(code);
        if (!answer.bytes.empty())
            std::memcpy(out, answer.bytes.data(), std::min<std::size_t>(answer.bytes.size(), outSize));
        *returned = answer.returned;
        if (!answer.succeeds) lastError_ = answer.error;
        return answer.succeeds;
    }

    bool Close(Handle handle) override {
        ++closes;
        if (openHandles.erase(handle) == 0) {
            lastError_ = ERROR_INVALID_HANDLE;
            return false;
        }
        return true;
    }

    std::uint32_t LastError() override { return lastError_; }

    int opens = 0;
    int closes = 0;
    OpenCall lastOpen;
    std::set<Handle> openHandles;
    std::map<std::uint32_t, int> calls;
    std::map<std::uint32_t, std::vector<unsigned char>> lastInput;
    std::map<std::uint32_t, std::uint32_t> lastOutSize;
    std::vector<RtsRequest> rtsRequests;

private:
    const Answer& NextAnswer(std::uint32_t code) {
        auto& queue = queued_[code];
        if (!queue.empty()) {
            current_ = std::move(queue.front());
            queue.pop_front();
            return current_;
        }
        auto steady = steady_.find(code);
        if (steady == steady_.end()) {
            current_ = Refusal();
            return current_;
        }
        return steady->second;
    }

    std::map<std::uint32_t, Answer> steady_;
    std::map<std::uint32_t, std::deque<Answer>> queued_;
    Answer current_;
    Handle nextHandle_ = 100;
    std::uint32_t lastError_ = 0;
};

}  // namespace qor::test
