// The cost of one status request to the simulated driver under Wine: many raw
// requests on one handle, the mean per request printed. Fails when any request
// does not answer with the full 26 bytes.
#include <windows.h>

#include <cstdio>
#include <string>

#include "simulated_driver.h"

int main() {
    constexpr int kRequests = 5000;
    qor::test::SimulatedDriver driver;
    std::string error;
    if (!driver.Restart("link-answering.txt", &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const HANDLE device = CreateFileA("\\\\.\\QORPORT ", 0, 0, nullptr, CREATE_NEW,
                                      FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "open failed: %lu\n", GetLastError());
        return 1;
    }
    unsigned char in[2] = {1, 0};
    unsigned char out[26] = {};
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int failures = 0;
    for (int i = 0; i < kRequests; ++i) {
        DWORD returned = 0;
        if (!DeviceIoControl(device, 2049, in, sizeof in, out, sizeof out, &returned, nullptr) ||
            returned != sizeof out)
            ++failures;
    }
    QueryPerformanceCounter(&end);
    CloseHandle(device);
    const double seconds =
        static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("%d status requests: %.1f us each on average (%d failed)\n", kRequests,
                seconds * 1e6 / kRequests, failures);
    return failures == 0 ? 0 : 1;
}
