// The cost of one MonitorPoll over an in-process driver, for a record that never
// changes and for one whose line signals and speed change on every poll.
#include <benchmark/benchmark.h>

#include <cstring>

#include "status_monitor.h"

namespace qor {
namespace {

// Answers every status request at once with its current record.
class ScriptedDriver : public PortDevice {
public:
    Handle Open(const char*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) override {
        return 1;
    }
    bool IoControl(Handle, std::uint32_t, const void*, std::uint32_t, void* out,
                   std::uint32_t outSize, std::uint32_t* returned) override {
        std::memcpy(out, status.Data(), outSize < PortStatus::SIZE ? outSize : PortStatus::SIZE);
        *returned = static_cast<std::uint32_t>(PortStatus::SIZE);
        return true;
    }
    bool Close(Handle) override { return true; }
    std::uint32_t LastError() override { return 0; }

    PortStatus status;
};

// Counts what it is told, as a window would draw it.
class CountingView : public PanelView {
public:
    void SetStatusPartText(int, const char* text, TextStyle) override { Count(text); }
    void SetStatusSimpleText(const char* text, TextStyle) override { Count(text); }
    void SetStatusSimple(bool) override { ++calls; }
    void SetTrayTip(const char* tip) override { Count(tip); }
    bool TrayPictureLoaded(int) const override { return true; }
    bool SetTrayPicture(int) override {
        ++calls;
        return true;
    }
    void SetLampBitmap(int, bool) override { ++calls; }
    void EnableControl(int, bool) override { ++calls; }

    unsigned long calls = 0;

private:
    void Count(const char* text) {
        benchmark::DoNotOptimize(text);
        ++calls;
    }
};

class NoTimer : public WindowTimer {
public:
    bool SetTimer(unsigned, unsigned) override { return true; }
    void KillTimer(unsigned) override {}
};

class NoStatistics : public StatisticsHooks {
public:
    bool IsOpen() const override { return false; }
    bool FiguresEnabled() const override { return false; }
    void StatisticsRefresh() override {}
    void StatisticsEnable(bool) override {}
};

struct OpenMonitor {
    OpenMonitor() {
        driver.status.SetMode(2);
        driver.status.SetCallState(3);
        driver.status.SetErrorControl('M');
        driver.status.SetCompression('C');
        driver.status.SetModulation(17);
        driver.status.SetSpeed(28800);
        driver.status.SetLineSignals(0x0FC);
        monitor.MonitorStart();
        monitor.MonitorTick();
    }

    ScriptedDriver driver;
    CountingView view;
    NoTimer timer;
    NoStatistics statistics;
    PanelOutputs outputs{view};
    PortLink link{driver, outputs};
    StatusMonitor monitor{link, outputs, timer, statistics};
};

void UnchangedRecord(benchmark::State& state) {
    OpenMonitor panel;
    for (auto _ : state) benchmark::DoNotOptimize(panel.monitor.MonitorPoll());
    state.counters["view calls/poll"] = benchmark::Counter(
        static_cast<double>(panel.view.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(UnchangedRecord);

// One lamp toggles and the speed changes on every poll, so every poll redraws a
// lamp and every sixth decodes a connection.
void RecordChangingEveryPoll(benchmark::State& state) {
    OpenMonitor panel;
    std::int32_t speed = 28800;
    for (auto _ : state) {
        panel.driver.status.SetLineSignals(panel.driver.status.LineSignals() ^ 0x004);
        panel.driver.status.SetSpeed(++speed);
        benchmark::DoNotOptimize(panel.monitor.MonitorPoll());
    }
    state.counters["view calls/poll"] = benchmark::Counter(
        static_cast<double>(panel.view.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RecordChangingEveryPoll);

}  // namespace
}  // namespace qor

BENCHMARK_MAIN();
