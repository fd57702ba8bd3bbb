#include "status_texts.h"

#include <array>

namespace qor {

namespace {

struct CallState {
    const char* text;
    int icon;
};

constexpr std::array<CallState, CALL_STATE_COUNT> CALL_STATES{{
    {"Modem is idle.", 1},
    {"Originating call...", 1},
    {"Answering call...", 1},
    {"Connected", 3},
    {"Dropping call...", 4},
    {"Dropping call....", 4},
    {"Dropping call....", 4},
    {"Dropping call......", 4},
    {"Retraining or dropping call...", 5},
    {"Answering fax call...", 1},
    {"Originating fax call...", 1},
    {"Connecting fax...", 3},
    {"Dropping fax call...", 4},
    {"Fax Auto Answer", 1},
    {"Voice connected", 3},
}};

constexpr std::array<const char*, 5> MODES{
    "Idle mode", "Data mode", "Fax mode", "Voice mode", "VoiceView",
};

constexpr std::array<const char*, MODULATION_COUNT> MODULATIONS{
    "Bell 103", "Bell 212", "V.21",    "V.21 ch2", "V.23 ADX", "V.23 HDX",
    "V.22",     "V.22bis",  "V.27 short", "V.27 long", "V.27ter", "V.29",
    "V.32",     "V.32 TCM", "V.17",    "V.33",     "V.32bis",  "V.34",
    "V.34+",    "X2",       "X2",      "X2",       "X2",       "V.90",
};

struct CodeText {
    std::uint32_t code;
    const char* text;
};

constexpr std::array<CodeText, 13> ERROR_CONTROLS{{
    {'J', "V.80 SAM "},
    {'M', "LAPM "},
    {'N', "LAPM ETC "},
    {'P', "MNP "},
    {'Q', "MNP 2 "},
    {'R', "MNP 3 "},
    {'S', "MNP 2,4 "},
    {'T', "MNP 3,4 "},
    {'U', "MNP 2,10 "},
    {'V', "MNP 3,10 "},
    {'W', "MNP 2,4,10 "},
    {'X', "MNP 3,4,10 "},
    {'x', "??? "},
}};

constexpr std::array<CodeText, 3> COMPRESSIONS{{
    {'B', "MNP 5 "},
    {'C', "V.42bis "},
    {'x', "??? "},
}};

// The whole 32-bit code is compared, so a letter with bits above it matches nothing.
template <std::size_t N>
const char* FindCodeText(const std::array<CodeText, N>& table, std::uint32_t code) {
    for (const CodeText& entry : table) {
        if (entry.code == code) return entry.text;
    }
    return "";
}

}  // namespace

const char* ModeText(std::uint16_t mode) {
    return mode >= 1 && mode <= MODES.size() ? MODES[mode - 1u] : nullptr;
}

const char* CallStateText(std::uint16_t callState) {
    return callState < CALL_STATE_COUNT ? CALL_STATES[callState].text : " ";
}

int CallStateIcon(std::uint16_t callState) {
    return callState < CALL_STATE_COUNT ? CALL_STATES[callState].icon : -1;
}

const char* ModulationName(std::uint16_t modulation) {
    return modulation < MODULATION_COUNT ? MODULATIONS[modulation] : nullptr;
}

const char* ErrorControlText(std::uint32_t code) { return FindCodeText(ERROR_CONTROLS, code); }

const char* CompressionText(std::uint32_t code) { return FindCodeText(COMPRESSIONS, code); }

}  // namespace qor
