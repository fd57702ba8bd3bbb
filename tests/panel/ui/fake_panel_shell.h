// The Win32 shell as a log of what the commands asked of it.
#pragma once

#include <string>
#include <vector>

#include "panel_shell.h"

namespace qor::test {

class FakePanelShell : public PanelShell {
public:
    bool StatisticsExists() override { return statisticsOpen; }
    void StatisticsSendOk() override {
        log.push_back("statistics ok");
        statisticsOpen = false;
    }
    void StatisticsFocus() override { log.push_back("statistics focus"); }
    void StatisticsCreate() override {
        log.push_back("statistics create");
        statisticsOpen = true;
    }
    void TrayMenuItemEnable(int commandId, bool enabled) override {
        log.push_back((enabled ? "enable " : "grey ") + std::to_string(commandId));
    }
    void AboutRun() override { log.push_back("about"); }
    void MainWindowRestore() override { log.push_back("restore"); }
    void MainWindowMinimize() override { log.push_back("minimize"); }
    void MainWindowHide() override { log.push_back("hide"); }
    void QuitPost(int code) override { log.push_back("quit " + std::to_string(code)); }
    void CommandLineStart(const char* commandLine) override {
        log.push_back(std::string("start ") + commandLine);
    }

    bool statisticsOpen = false;
    std::vector<std::string> log;
};

}  // namespace qor::test
