// A Statistics dialog that only records what the monitor asks of it.
#pragma once

#include <vector>

#include "statistics_hooks.h"

namespace qor::test {

class FakeStatisticsHooks : public StatisticsHooks {
public:
    bool IsOpen() const override { return open; }
    bool FiguresEnabled() const override { return figuresEnabled; }
    void StatisticsRefresh() override {
        ++refreshes;
    }
    void StatisticsEnable(bool on) override {
        enableCalls.push_back(on);
        figuresEnabled = on;
    }

    bool open = false;
    bool figuresEnabled = false;
    int refreshes = 0;
    std::vector<bool> enableCalls;
};

}  // namespace qor::test
