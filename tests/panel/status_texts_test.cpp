#include "status_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace qor {
namespace {

std::string Text(const char* text) { return text == nullptr ? "(none)" : text; }

TEST(StatusTextsTest, ModeTexts) {
    const struct {
        std::uint16_t mode;
        const char* text;
    } cases[] = {
        {0, nullptr},       {1, "Idle mode"},  {2, "Data mode"}, {3, "Fax mode"},
        {4, "Voice mode"},  {5, "VoiceView"},  {6, nullptr},     {65535, nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(ModeText(c.mode)), Text(c.text)) << c.mode;
}

TEST(StatusTextsTest, CallStateTextsAndPictures) {
    const struct {
        std::uint16_t state;
        const char* text;
        int icon;
    } cases[] = {
        {0, "Modem is idle.", 1},
        {1, "Originating call...", 1},
        {2, "Answering call...", 1},
        {3, "Connected", 3},
        {4, "Dropping call...", 4},
        {5, "Dropping call....", 4},
        {6, "Dropping call....", 4},
        {7, "Dropping call......", 4},
        {8, "Retraining or dropping call...", 5},
        {9, "Answering fax call...", 1},
        {10, "Originating fax call...", 1},
        {11, "Connecting fax...", 3},
        {12, "Dropping fax call...", 4},
        {13, "Fax Auto Answer", 1},
        {14, "Voice connected", 3},
        {15, " ", -1},
        {16, " ", -1},
        {65535, " ", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(CallStateText(c.state)), c.text) << c.state;
        EXPECT_EQ(CallStateIcon(c.state), c.icon) << c.state;
        EXPECT_LE(std::string(CallStateText(c.state)).size(), 31u);
    }
}

TEST(StatusTextsTest, ModulationNames) {
    const char* const names[] = {
        "Bell 103", "Bell 212", "V.21",       "V.21 ch2",  "V.23 ADX", "V.23 HDX",
        "V.22",     "V.22bis",  "V.27 short", "V.27 long", "V.27ter",  "V.29",
        "V.32",     "V.32 TCM", "V.17",       "V.33",      "V.32bis",  "V.34",
        "V.34+",    "X2",       "X2",         "X2",        "X2",       "V.90",
    };
    for (std::uint16_t i = 0; i < 24; ++i) EXPECT_EQ(Text(ModulationName(i)), names[i]) << i;
    EXPECT_EQ(ModulationName(24), nullptr);
    EXPECT_EQ(ModulationName(65535), nullptr);
}

struct CodeCase {
    std::uint32_t code;
    const char* text;
};

TEST(StatusTextsTest, ErrorControlTexts) {
    const CodeCase cases[] = {
        {'J', "V.80 SAM "},   {'M', "LAPM "},      {'N', "LAPM ETC "},  {'P', "MNP "},
        {'Q', "MNP 2 "},      {'R', "MNP 3 "},     {'S', "MNP 2,4 "},   {'T', "MNP 3,4 "},
        {'U', "MNP 2,10 "},   {'V', "MNP 3,10 "},  {'W', "MNP 2,4,10 "}, {'X', "MNP 3,4,10 "},
        {'x', "??? "},        {0, ""},             {'F', ""},           {'m', ""},
        {'B', ""},            {'M' | 0x100u, ""},  {0xFFFFFF4Du, ""},
    };
    for (const CodeCase& c : cases) EXPECT_EQ(Text(ErrorControlText(c.code)), c.text) << c.code;
}

TEST(StatusTextsTest, CompressionTexts) {
    const CodeCase cases[] = {
        {'B', "MNP 5 "}, {'C', "V.42bis "}, {'x', "??? "}, {0, ""},
        {'E', ""},       {'M', ""},         {'b', ""},     {'C' | 0x10000u, ""},
    };
    for (const CodeCase& c : cases) EXPECT_EQ(Text(CompressionText(c.code)), c.text) << c.code;
}

}  // namespace
}  // namespace qor
