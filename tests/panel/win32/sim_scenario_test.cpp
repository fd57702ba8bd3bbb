// The simulated driver's scenario: what each setting puts where, what a step
// carries over, the timeline with and without looping, and the errors.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"
#include "simulated_driver.h"

namespace qor::test {
namespace {

struct Parsed {
    std::unique_ptr<scenario> s = std::make_unique<scenario>();
    bool ok = false;
    std::string error;
};

Parsed Parse(const std::string& text) {
    Parsed p;
    char error[SCENARIO_ERROR_SIZE];
    p.ok = scenario_parse(text.data(), text.size(), p.s.get(), error) != 0;
    p.error = error;
    return p;
}

std::vector<unsigned char> Bytes(const unsigned char* data, std::size_t offset, std::size_t count) {
    return {data + offset, data + offset + count};
}

struct FieldCase {
    const char* line;
    bool inStatistics;
    std::size_t offset;
    std::vector<unsigned char> bytes;
};

class ScenarioFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ScenarioFieldTest, SettingLandsAtItsOffsetLittleEndian) {
    const FieldCase& c = GetParam();
    const Parsed p = Parse(std::string("step 1\n") + c.line + "\n");
    ASSERT_TRUE(p.ok) << p.error;
    const scenario_step& step = p.s->steps[0];
    const unsigned char* record = c.inStatistics ? step.statistics : step.status;
    EXPECT_EQ(Bytes(record, c.offset, c.bytes.size()), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ScenarioFieldTest,
    ::testing::Values(
        FieldCase{"mode 3", false, 2, {3, 0}},
        FieldCase{"signals DTR RTS DSR CTS CD OH RING", false, 4, {0xFC, 0x01, 0, 0}},
        FieldCase{"signals 0x80000004", false, 4, {0x04, 0, 0, 0x80}},
        FieldCase{"signals none", false, 4, {0, 0, 0, 0}},
        FieldCase{"speed 28800", false, 8, {0x80, 0x70, 0, 0}},
        FieldCase{"speed -1", false, 8, {0xFF, 0xFF, 0xFF, 0xFF}},
        FieldCase{"speed -2147483648", false, 8, {0, 0, 0, 0x80}},
        FieldCase{"errorcontrol M", false, 12, {'M', 0, 0, 0}},
        FieldCase{"errorcontrol 0", false, 12, {0, 0, 0, 0}},
        FieldCase{"compression 0x145", false, 16, {0x45, 0x01, 0, 0}},
        FieldCase{"callstate 8", false, 20, {8, 0}},
        FieldCase{"modulation 17", false, 22, {17, 0}},
        FieldCase{"reservedlow 0xBEEF", false, 0, {0xEF, 0xBE}},
        FieldCase{"reservedhigh 65535", false, 24, {0xFF, 0xFF}},
        FieldCase{"dtetx 1 2", true, 2, {1, 0, 2, 0}},
        FieldCase{"dterx 3 4", true, 6, {3, 0, 4, 0}},
        FieldCase{"dcetx 5 6", true, 10, {5, 0, 6, 0}},
        FieldCase{"dcerx 7 8", true, 14, {7, 0, 8, 0}},
        FieldCase{"qin 9 10", true, 18, {9, 0, 10, 0}},
        FieldCase{"qout 11 12", true, 22, {11, 0, 12, 0}},
        FieldCase{"tasker 300 1500", true, 26, {0x2C, 0x01, 0xDC, 0x05}},
        FieldCase{"rts 20 3", true, 30, {20, 0, 3, 0}}));

TEST(ScenarioTest, StepsCarryRecordsButNotFaults) {
    const Parsed p = Parse(
        "# comment\n"
        "step 2s first   # a label\r\n"
        "mode 2\n"
        "qin 1 64\n"
        "refuse status rts\n"
        "gone\n"
        "step 500ms\n"
        "speed 300\n"
        "long statistics\n");
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.s->count, 2u);
    const scenario_step& first = p.s->steps[0];
    const scenario_step& second = p.s->steps[1];
    EXPECT_EQ(first.duration_ms, 2000u);
    EXPECT_EQ(second.duration_ms, 500u);
    EXPECT_EQ(second.status[2], 2);
    EXPECT_EQ(second.statistics[18], 1);
    EXPECT_EQ(second.status[8], 0x2C);
    EXPECT_TRUE(first.gone);
    EXPECT_FALSE(second.gone);

    EXPECT_EQ(scenario_answer_size(&first, SCENARIO_REQUEST_STATUS), 0u);
    EXPECT_EQ(scenario_answer_size(&first, SCENARIO_REQUEST_STATISTICS), 34u);
    EXPECT_EQ(scenario_answer_size(&first, SCENARIO_REQUEST_RTS), 0u);
    EXPECT_EQ(scenario_answer_size(&second, SCENARIO_REQUEST_STATUS), 26u);
    EXPECT_EQ(scenario_answer_size(&second, SCENARIO_REQUEST_STATISTICS), 35u);
    EXPECT_EQ(scenario_answer_size(&second, SCENARIO_REQUEST_RTS), 10u);
}

TEST(ScenarioTest, ShortAndLongWithoutRequestsApplyToAll) {
    const Parsed p = Parse("step 1\nshort\nstep 1\nlong\n");
    ASSERT_TRUE(p.ok) << p.error;
    const unsigned shortSizes[] = {25, 33, 9};
    const unsigned longSizes[] = {27, 35, 11};
    for (int r = 0; r < SCENARIO_REQUEST_COUNT; ++r) {
        const auto request = static_cast<scenario_request>(r);
        EXPECT_EQ(scenario_answer_size(&p.s->steps[0], request), shortSizes[r]);
        EXPECT_EQ(scenario_answer_size(&p.s->steps[1], request), longSizes[r]);
    }
}

struct TimeCase {
    unsigned long long elapsed;
    unsigned step;
    unsigned long long toNext;
};

TEST(ScenarioTest, WithoutLoopTheLastStepHolds) {
    const Parsed p = Parse("step 100\nstep 200\nstep 50\n");
    ASSERT_TRUE(p.ok) << p.error;
    const TimeCase cases[] = {{0, 0, 100},  {99, 0, 1},  {100, 1, 200},
                              {299, 1, 1},  {300, 2, 0}, {1000000, 2, 0}};
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.elapsed);
        EXPECT_EQ(scenario_step_at(p.s.get(), c.elapsed), &p.s->steps[c.step]);
        EXPECT_EQ(scenario_time_to_next_step(p.s.get(), c.elapsed), c.toNext);
    }
}

TEST(ScenarioTest, LoopStartsAgainAfterTheLastStep) {
    const Parsed p = Parse("loop\nstep 100\nstep 200\nstep 50\n");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.s->total_ms, 350u);
    const TimeCase cases[] = {{0, 0, 100},   {300, 2, 50},    {349, 2, 1},
                              {350, 0, 100}, {700 + 150, 1, 150}};
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.elapsed);
        EXPECT_EQ(scenario_step_at(p.s.get(), c.elapsed), &p.s->steps[c.step]);
        EXPECT_EQ(scenario_time_to_next_step(p.s.get(), c.elapsed), c.toNext);
    }
}

struct ErrorCase {
    const char* text;
    const char* error;
};

class ScenarioErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScenarioErrorTest, IsRefusedWithItsLine) {
    const Parsed p = Parse(GetParam().text);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ScenarioErrorTest,
    ::testing::Values(
        ErrorCase{"", "line 0: no steps"},
        ErrorCase{"# only a comment\n", "line 1: no steps"},
        ErrorCase{"mode 1\n", "line 1: setting before any step 'mode'"},
        ErrorCase{"step\n", "line 1: step needs a duration"},
        ErrorCase{"step 0\n", "line 1: bad duration '0'"},
        ErrorCase{"step 5x\n", "line 1: bad duration '5x'"},
        ErrorCase{"step 4294968s\n", "line 1: bad duration '4294968s'"},
        ErrorCase{"step 1\nmode 65536\n", "line 2: bad value '65536'"},
        ErrorCase{"step 1\nmode\n", "line 2: needs one value: 'mode'"},
        ErrorCase{"step 1\nqin 1\n", "line 2: needs two values: 'qin'"},
        ErrorCase{"step 1\nspeed 2147483648\n", "line 2: bad value '2147483648'"},
        ErrorCase{"step 1\nspeed -2147483649\n", "line 2: bad value '-2147483649'"},
        ErrorCase{"step 1\nsignals DTR XYZ\n", "line 2: bad signals 'XYZ'"},
        ErrorCase{"step 1\nsignals\n", "line 2: bad signals"},
        ErrorCase{"step 1\nrefuse modem\n", "line 2: unknown request 'modem'"},
        ErrorCase{"step 1\ngone now\n", "line 2: gone takes nothing"},
        ErrorCase{"loop twice\n", "line 1: loop takes nothing"},
        ErrorCase{"step 1\nvolume 3\n", "line 2: unknown setting 'volume'"},
        ErrorCase{"step 1\nsignals 1 2 3 4 5 6 7 8 9 10 11 12\n", "line 2: too many words"}));

TEST(ScenarioTest, MoreStepsThanRoomAreRefused) {
    std::string text;
    for (int i = 0; i <= SCENARIO_MAX_STEPS; ++i) text += "step 1\n";
    const Parsed p = Parse(text);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, "line " + std::to_string(SCENARIO_MAX_STEPS + 1) + ": too many steps");
}

TEST(ScenarioTest, LongWordIsCutInTheErrorText) {
    const Parsed p = Parse("step 1\n" + std::string(500, 'z') + "\n");
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error.size(), SCENARIO_ERROR_SIZE - 1u);
    EXPECT_EQ(p.error.rfind("line 2: unknown setting 'zzz", 0), 0u);
}

class ShippedScenarioTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedScenarioTest, Parses) {
    std::ifstream file(ScenarioPath(GetParam()), std::ios::binary);
    ASSERT_TRUE(file) << ScenarioPath(GetParam());
    std::stringstream text;
    text << file.rdbuf();
    const Parsed p = Parse(text.str());
    EXPECT_TRUE(p.ok) << p.error;
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedScenarioTest,
                         ::testing::Values("demo.txt", "link-answering.txt", "link-gone.txt",
                                           "link-long.txt", "link-refused.txt", "link-short.txt",
                                           "monitor.txt"));

}  // namespace
}  // namespace qor::test
