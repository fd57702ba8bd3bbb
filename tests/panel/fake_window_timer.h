// A window timer that records which timers run and with what period.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "window_timer.h"

namespace qor::test {

class FakeWindowTimer : public WindowTimer {
public:
    bool SetTimer(unsigned id, unsigned periodMs) override {
        log.push_back("set " + std::to_string(id) + " " + std::to_string(periodMs));
        if (refuse) return false;
        running[id] = periodMs;
        return true;
    }
    void KillTimer(unsigned id) override {
        log.push_back("kill " + std::to_string(id));
        running.erase(id);
    }

    bool refuse = false;
    std::map<unsigned, unsigned> running;  // id -> period
    std::vector<std::string> log;
};

}  // namespace qor::test
