#include "remote_status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "remote_buffer.h"

namespace qor::test {

namespace {

// Room for any text the panel shows and for the parts' edges.
constexpr std::size_t kBufferSize = 1024;
constexpr int kMaxParts = 16;
constexpr UINT kAnswerTimeoutMs = 5000;

// SendMessageA that gives up on a hung window instead of hanging the test.
std::optional<LRESULT> Ask(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(bar, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &answer))
        return std::nullopt;
    return static_cast<LRESULT>(answer);
}

std::optional<StatusBarPart> ReadPart(HWND bar, RemoteBuffer& buffer, int part) {
    const auto length = Ask(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0);
    if (!length || LOWORD(*length) >= buffer.size()) return std::nullopt;
    // A zero first, so that a bar that answers nothing reads as empty.
    const char nothing = '\0';
    if (!buffer.Write(&nothing, 1)) return std::nullopt;
    const auto result = Ask(bar, SB_GETTEXTA, static_cast<WPARAM>(part), buffer.address());
    if (!result || LOWORD(*result) >= buffer.size()) return std::nullopt;
    std::string text(static_cast<std::size_t>(LOWORD(*result)) + 1, '\0');
    if (!buffer.Read(text.data(), text.size())) return std::nullopt;
    text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
    return StatusBarPart{text, (HIWORD(*result) & SBT_POPOUT) != 0};
}

}  // namespace

std::string StatusBarReading::Line() const {
    std::string line;
    for (const StatusBarPart& part : parts) line += (line.empty() ? "" : "|") + part.text;
    return simple ? "[" + line + "]" : line;
}

std::optional<StatusBarReading> ReadStatusBar(HWND statusBar) {
    if (!IsWindow(statusBar)) return std::nullopt;
    RemoteBuffer buffer(statusBar, kBufferSize);
    if (!buffer.valid()) return std::nullopt;

    StatusBarReading reading;
    const auto simple = Ask(statusBar, SB_ISSIMPLE, 0, 0);
    const auto count = Ask(statusBar, SB_GETPARTS, kMaxParts, buffer.address());
    if (!simple || !count || *count < 0 || *count > kMaxParts) return std::nullopt;
    reading.simple = *simple != 0;
    reading.edges.resize(static_cast<std::size_t>(*count));
    if (!buffer.Read(reading.edges.data(), reading.edges.size() * sizeof(int))) return std::nullopt;

    // In simple mode Wine's bar answers every part with the simple text (and
    // SB_SIMPLEID with nothing), so part 0 stands for it.
    const int shown = reading.simple ? 1 : static_cast<int>(*count);
    for (int part = 0; part < shown; ++part) {
        auto text = ReadPart(statusBar, buffer, part);
        if (!text) return std::nullopt;
        reading.parts.push_back(*text);
    }
    return reading;
}

std::string StatusLine(HWND statusBar) {
    const auto reading = ReadStatusBar(statusBar);
    return reading ? reading->Line() : "(unreadable)";
}

}  // namespace qor::test
