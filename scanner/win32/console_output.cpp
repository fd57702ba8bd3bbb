#include "console_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace qor {

ConsoleOutput::ConsoleOutput() {
    // Text mode is the runtime's default; set it anyway, the line ends depend on it.
    _setmode(_fileno(stdout), _O_TEXT);
}

ConsoleOutput::~ConsoleOutput() { std::fflush(stdout); }

void ConsoleOutput::Write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace qor
