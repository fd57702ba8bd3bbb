#include "status_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fake_panel_view.h"

namespace qor {
namespace {

using test::FakePanelView;

constexpr std::uint32_t OFF_HOOK = 0x080;

struct DecodeCase {
    const char* name;
    std::uint16_t mode;
    std::uint32_t lineSignals;
    std::int32_t speed;
    std::uint32_t errorControl;
    std::uint32_t compression;
    std::uint16_t callState;
    std::uint16_t modulation;
    // What the window shows afterwards; it showed "before 0", "before 1", the tip
    // "before" and picture 2 (a picture no call state selects).
    const char* part0;
    const char* part1;
    const char* tip;
    int picture;
};

const DecodeCase DECODE_CASES[] = {
    {"connection with protocols", 2, 0x0FC, 28800, 'M', 'C', 3, 17,
     "Data - V.34", "Connected LAPM V.42bis at 28800 bps", "Connected LAPM V.42bis at 28800 bps", 3},
    {"connection without protocols", 2, 0, 14400, 'F', 'E', 3, 12,
     "Data - V.32", "Connected at 14400 bps", "Connected at 14400 bps", 3},
    {"connection, unknown codes", 2, 0, 2400, 0x14D, 0, 3, 7,
     "Data - V.22bis", "Connected at 2400 bps", "Connected at 2400 bps", 3},
    {"connection, longest texts", 2, 0, -2147483647 - 1, 'X', 'C', 3, 8,
     "Data - V.27 short", "Connected MNP 3,4,10 V.42bis at -2147483648 bps",
     "Connected MNP 3,4,10 V.42bis at -2147483648 bps", 3},
    {"connection, modulation beyond the table", 2, 0, 33600, 'P', 'B', 3, 24,
     "Data mode", "Connected MNP MNP 5 at 33600 bps", "Connected MNP MNP 5 at 33600 bps", 3},
    {"connection whatever the mode", 0, 0, 9600, 'x', 'x', 3, 23,
     "Data - V.90", "Connected ??? ??? at 9600 bps", "Connected ??? ??? at 9600 bps", 3},
    {"fax at 300 keeps part 1", 3, OFF_HOOK, 300, 0, 0, 0, 3,
     "Fax - V.21 ch2", "before 1", "Fax - V.21 ch2", 1},
    {"fax connection", 3, OFF_HOOK | 0x040, 9600, 0, 0, 0, 14,
     "Fax - V.17", "Connected fax at 9600 bps", "Fax - V.17", 1},
    {"fax, modulation beyond the table", 3, OFF_HOOK, 14400, 0, 0, 0, 99,
     "Fax mode", "Connected fax at 14400 bps", "Fax mode", 1},
    {"fax speed 0 shows the state", 3, OFF_HOOK, 0, 0, 0, 0, 3,
     "Fax mode", "Modem is idle.", "Fax mode", 1},
    {"fax on hook shows the state", 3, 0, 9600, 0, 0, 0, 3,
     "Fax mode", "Modem is idle.", "Fax mode", 1},
    {"fax call not idle shows the state", 3, OFF_HOOK, 9600, 0, 0, 9, 3,
     "Fax mode", "Answering fax call...", "Fax mode", 1},
    {"off hook in data mode shows the state", 2, OFF_HOOK, 9600, 0, 0, 0, 3,
     "Data mode", "Modem is idle.", "Data mode", 1},
    {"call state 15", 1, 0, 0, 0, 0, 15, 0, "Idle mode", " ", "Idle mode", 2},
    {"call state 65535", 4, 0, 0, 0, 0, 65535, 0, "Voice mode", " ", "Voice mode", 2},
    {"mode 0 keeps part 0", 0, 0, 0, 0, 0, 4, 0, "before 0", "Dropping call...", "before", 4},
    {"mode 6 keeps part 0", 6, 0, 0, 0, 0, 8, 0, "before 0", "Retraining or dropping call...",
     "before", 5},
    {"VoiceView", 5, 0, 0, 0, 0, 14, 0, "VoiceView", "Voice connected", "VoiceView", 3},
    {"connecting fax", 3, 0, 0, 0, 0, 11, 0, "Fax mode", "Connecting fax...", "Fax mode", 3},
    {"dropping fax call", 3, 0, 0, 0, 0, 12, 0, "Fax mode", "Dropping fax call...", "Fax mode", 4},
};

TEST(StatusDecodeTest, ShowsModeCallAndConnection) {
    for (const DecodeCase& c : DECODE_CASES) {
        SCOPED_TRACE(c.name);
        FakePanelView view;
        PanelOutputs outputs(view);
        outputs.StatusBarSetText(0, "before 0");
        outputs.StatusBarSetText(1, "before 1");
        outputs.TrayTipSet("before");
        outputs.TrayIconSet(2);

        PortStatus status;
        status.SetMode(c.mode);
        status.SetLineSignals(c.lineSignals);
        status.SetSpeed(c.speed);
        status.SetErrorControl(c.errorControl);
        status.SetCompression(c.compression);
        status.SetCallState(c.callState);
        status.SetModulation(c.modulation);
        StatusDecode(outputs, status);

        EXPECT_EQ(view.parts[0].text, c.part0);
        EXPECT_EQ(view.simpleText.text, c.part0);
        EXPECT_EQ(view.parts[0].style, TextStyle::Raised);
        EXPECT_EQ(view.parts[1].text, c.part1);
        EXPECT_EQ(view.parts[1].style, TextStyle::Default);
        EXPECT_EQ(view.tip, std::string("Modem Status (") + c.tip + ")");
        EXPECT_EQ(view.picture, c.picture);
    }
}

// The mode text goes up first and the picture last, so a connected state's display
// replaces the plain mode text.
TEST(StatusDecodeTest, ConnectionOverwritesTheModeTextInOrder) {
    FakePanelView view;
    PanelOutputs outputs(view);
    PortStatus status;
    status.SetMode(2);
    status.SetCallState(3);
    status.SetErrorControl('M');
    status.SetSpeed(28800);
    status.SetModulation(17);
    StatusDecode(outputs, status);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "part0 raised Data mode",
                            "simple text raised Data mode",
                            "tip Modem Status (Data mode)",
                            "part1 Connected LAPM at 28800 bps",
                            "tip Modem Status (Connected LAPM at 28800 bps)",
                            "part0 raised Data - V.34",
                            "simple text raised Data - V.34",
                            "picture 3",
                        }));
}

}  // namespace
}  // namespace qor
