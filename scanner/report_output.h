// Where the scanner's report goes: standard output in the program, a string in tests.
#pragma once

#include <string_view>

namespace qor {

class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Appends text as it stands; "\n" is the line end, translated (or not) by the sink.
    virtual void Write(std::string_view text) = 0;
};

// Formats as printf does and writes the result whole, however long it is.
void PrintReport(ReportOutput& output, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace qor
