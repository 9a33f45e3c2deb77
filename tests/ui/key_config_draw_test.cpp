#include "ui/key_config_screen.h"

#include "tests/ui/canvas.h"
#include "tests/ui/screen_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gb_test::Canvas;
namespace colors = gb_test::colors;

struct KeyConfigFrame {
    MenuState state;
    Canvas canvas;

    KeyConfigFrame() { gb_test::fill_menu_state(&state); }
    void draw(int cursor) {
        vortelan_gb_runtime_menu_draw_key_config_menu(canvas.renderer(), &state, cursor);
    }
    // Detail line 1..3 of a row, which must not be the selected one.
    void expect_line(int row, int line, const std::string &text) {
        const int y = 116 + 68 * row + (line == 1 ? -16 : line == 2 ? 0 : 13);
        gb_test::expect_region_shows(canvas, {44, y, 436, 7}, {44, y, text, 1, colors::value},
                                     colors::background);
    }
};

class KeyConfigCursor : public testing::TestWithParam<int> {};

TEST_P(KeyConfigCursor, BarMarksTheSelectedRowOnly) {
    KeyConfigFrame frame;
    const int cursor = GetParam();
    frame.draw(cursor);
    const int base = 116 + 68 * cursor;
    EXPECT_EQ(frame.canvas.count(colors::bar, 14, base - 60, 1, 90), 62);
    EXPECT_EQ(frame.canvas.at(14, base - 48), colors::bar);
    EXPECT_EQ(frame.canvas.at(465, base + 13), colors::bar);
    EXPECT_EQ(frame.canvas.at(466, base + 13), colors::background);
    EXPECT_EQ(frame.canvas.at(13, base - 48), colors::background);
    EXPECT_GT(frame.canvas.count(colors::highlight, 24, base - 40, 10, 14), 0) << "marker";
    EXPECT_GT(frame.canvas.count(colors::highlight, 44, base - 40, 132, 14), 0) << "label";
    EXPECT_EQ(frame.canvas.count(colors::bar, 14, 0, 1, 480), 62) << "one bar only";
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyConfigCursor, testing::Range(0, 5));

TEST(KeyConfigDraw, SummarisesBothSlotsAndTheUtilityKeys) {
    KeyConfigFrame frame;
    // With the bar on RESET KEYS, right below the UTIL KEYS line 3.
    frame.draw(3);
    frame.expect_line(0, 1, "RIGHT=[Right],LEFT=[Left],UP=[Up],DOWN=[Down]");
    frame.expect_line(0, 2, "A=[Z],B=[X],SELECT=[RSHIFT],START=[RETURN]");
    frame.expect_line(1, 1, "RIGHT=[D],LEFT=[A],UP=[W],DOWN=[S]");
    frame.expect_line(1, 2, "A=[G],B=[H],SELECT=[R],START=[T]");
    frame.expect_line(2, 1, "FAST = [F],SCREENSHOT = [P]");
    frame.expect_line(2, 2, "ESCAPE = [Escape],TURBO = [B]");
    frame.expect_line(2, 3, "RESET = [O]");
    frame.draw(0);
    frame.expect_line(3, 1, "DEFAULTS");
    frame.expect_line(4, 1, "RETURN MENU");
}

struct SummaryCase {
    const char *label;
    std::string keys_text;
    std::string directions;
    std::string buttons;
};

void PrintTo(const SummaryCase &c, std::ostream *out) {
    *out << c.label;
}

class SlotSummary : public testing::TestWithParam<SummaryCase> {};

TEST_P(SlotSummary, SplitsTheDescription) {
    const SummaryCase &c = GetParam();
    KeyConfigFrame frame;
    std::snprintf(frame.state.slot2_keys_text, sizeof frame.state.slot2_keys_text, "%s",
                  c.keys_text.c_str());
    frame.draw(0);
    frame.expect_line(1, 1, c.directions);
    frame.expect_line(1, 2, c.buttons);
}

const std::string long_name(70, 'K');

INSTANTIATE_TEST_SUITE_P(
    Descriptions, SlotSummary,
    testing::Values(
        SummaryCase{"six_names", "A,B,C,D,E,F", "RIGHT=[A],LEFT=[B],UP=[C],DOWN=[D]",
                    "A=[E],B=[F],SELECT=[UNKNOWN],START=[UNKNOWN]"},
        SummaryCase{"empty", "", "RIGHT=[UNKNOWN],LEFT=[UNKNOWN],UP=[UNKNOWN],DOWN=[UNKNOWN]",
                    "A=[UNKNOWN],B=[UNKNOWN],SELECT=[UNKNOWN],START=[UNKNOWN]"},
        SummaryCase{"runs_of_commas_and_blanks", ",,1,, 2,  3,4,5,6,7,8,9",
                    "RIGHT=[1],LEFT=[2],UP=[3],DOWN=[4]", "A=[5],B=[6],SELECT=[7],START=[8]"},
        // A name is cut to 63 characters, then the line to the 68 characters of its room.
        SummaryCase{"long_name", long_name + ",B,C,D,E,F,G,H",
                    ("RIGHT=[" + long_name).substr(0, 67) + ">",
                    "A=[E],B=[F],SELECT=[G],START=[H]"}),
    gb_test::CaseLabel());

TEST(KeyConfigDraw, EmptyUtilityTextsShowUnknown) {
    KeyConfigFrame frame;
    frame.state.screenshot_key_text[0] = '\0';
    frame.state.reset_key_text[0] = '\0';
    frame.draw(0);
    frame.expect_line(2, 1, "FAST = [F],SCREENSHOT = [UNKNOWN]");
    frame.expect_line(2, 3, "RESET = [UNKNOWN]");
}

TEST(KeyConfigDraw, StatusIsCutAtItsRoom) {
    KeyConfigFrame frame;
    std::snprintf(frame.state.status, sizeof frame.state.status, "%s",
                  "0123456789012345678901234567890123456789");
    frame.draw(0);
    gb_test::expect_region_shows(frame.canvas, {252, 452, 228, 7},
                                 {252, 452, "012345678901234567890123456789012>", 1, colors::dim},
                                 colors::background);
}

struct PromptCase {
    const char *label;
    uint32_t target;
    uint32_t step;
    const char *prompt;
};

void PrintTo(const PromptCase &c, std::ostream *out) {
    *out << c.label;
}

class CapturePrompt : public testing::TestWithParam<PromptCase> {};

TEST_P(CapturePrompt, OverlayAsksForTheStep) {
    const PromptCase &c = GetParam();
    KeyConfigFrame frame;
    frame.state.key_config_target = c.target;
    frame.state.key_config_step = c.step;
    frame.draw(0);
    EXPECT_EQ(frame.canvas.at(42, 150), colors::panel);
    EXPECT_EQ(frame.canvas.at(437, 339), colors::panel);
    EXPECT_EQ(frame.canvas.at(438, 339), colors::background);
    gb_test::expect_region_shows(frame.canvas, {78, 254, 354, 21},
                                 {78, 254, c.prompt, 3, colors::highlight}, colors::panel);
}

INSTANTIATE_TEST_SUITE_P(Steps, CapturePrompt,
                         testing::Values(PromptCase{"slot_first", 1, 0, "PRESS A"},
                                         PromptCase{"slot_start", 2, 3, "PRESS START"},
                                         PromptCase{"slot_direction", 1, 4, "PRESS RIGHT"},
                                         PromptCase{"slot_last", 2, 7, "PRESS DOWN"},
                                         PromptCase{"slot_past_end", 1, 8, ""},
                                         PromptCase{"utility_first", 3, 0, "PRESS FAST"},
                                         PromptCase{"utility_quit", 3, 2, "PRESS QUIT"},
                                         PromptCase{"utility_last", 3, 4, "PRESS RESET"},
                                         PromptCase{"utility_past_end", 3, 5, ""}),
                         gb_test::CaseLabel());

TEST(KeyConfigDraw, GoldenBrowsing) {
    KeyConfigFrame frame;
    std::snprintf(frame.state.status, sizeof frame.state.status, "KEY CONFIG");
    frame.draw(0);
    gb_test::expect_golden(frame.canvas, "key_config_browsing");
}

TEST(KeyConfigDraw, GoldenCapturing) {
    KeyConfigFrame frame;
    frame.state.key_config_target = 1;
    frame.state.key_config_step = 4;
    std::snprintf(frame.state.status, sizeof frame.state.status, "CONFIG SLOT1");
    frame.draw(0);
    gb_test::expect_golden(frame.canvas, "key_config_capturing");
}

} // namespace
