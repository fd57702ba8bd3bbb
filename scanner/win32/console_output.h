// The report on standard output in text mode, so that each "\n" goes out as CR LF.
#pragma once

#include "report_output.h"

namespace qor {

class ConsoleOutput : public ReportOutput {
public:
    ConsoleOutput();
    ~ConsoleOutput() override;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    void Write(std::string_view text) override;
};

}  // namespace qor
