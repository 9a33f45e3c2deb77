#include "ui/main_menu_screen.h"

#include "tests/ui/canvas.h"
#include "tests/ui/screen_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using gb_test::Canvas;
using gb_test::ShownText;
namespace colors = gb_test::colors;

int row_y(uint32_t row) {
    return row == 0 ? 72 : 86 + 28 * static_cast<int>(row);
}

struct MenuFrame {
    MenuState state;
    Canvas canvas;

    MenuFrame() { gb_test::fill_menu_state(&state); }
    void draw() { vortelan_gb_runtime_menu_draw(canvas.renderer(), &state); }
};

class SelectedRow : public testing::TestWithParam<uint32_t> {};

TEST_P(SelectedRow, HasItsBarMarkerAndGreenLabel) {
    MenuFrame frame;
    frame.state.row = static_cast<MenuRow>(GetParam());
    frame.draw();
    const int y = row_y(GetParam());
    const int top = y - 8;
    const int bottom = y + 19;
    for (int x : {14, 465}) {
        EXPECT_EQ(frame.canvas.at(x, top), colors::bar) << x;
        EXPECT_EQ(frame.canvas.at(x, bottom), colors::bar) << x;
        EXPECT_NE(frame.canvas.at(x, top - 1), colors::bar) << x;
        EXPECT_NE(frame.canvas.at(x, bottom + 1), colors::bar) << x;
    }
    EXPECT_EQ(frame.canvas.at(13, y), colors::background);
    EXPECT_EQ(frame.canvas.at(466, y), colors::background);
    EXPECT_GT(frame.canvas.count(colors::highlight, 24, y, 10, 14), 0) << "marker";
    EXPECT_GT(frame.canvas.count(colors::highlight, 44, y, 130, 14), 0) << "label";
    EXPECT_EQ(frame.canvas.count(colors::label, 44, y, 130, 14), 0) << "label";
    const uint32_t other = GetParam() == 0 ? 1 : 0;
    EXPECT_GT(frame.canvas.count(colors::label, 44, row_y(other), 130, 14), 0);
    EXPECT_EQ(frame.canvas.count(colors::highlight, 0, row_y(other), 180, 14), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, SelectedRow, testing::Values(0u, 5u, 10u));

struct ValueCase {
    const char *label;
    std::function<void(MenuState &)> change;
    uint32_t row;
    std::string shown;
};

void PrintTo(const ValueCase &c, std::ostream *out) {
    *out << c.label;
}

class RowValue : public testing::TestWithParam<ValueCase> {};

TEST_P(RowValue, ShowsTheValueText) {
    const ValueCase &c = GetParam();
    MenuFrame frame;
    c.change(frame.state);
    frame.draw();
    const int y = row_y(c.row);
    // The DISPLAY SCALE label ends at x 199; its value keeps a character's room from it.
    const bool scale = c.row == MENU_ROW_DISPLAY_SCALE;
    const int left = scale ? 200 : 184;
    gb_test::expect_region_shows(frame.canvas, {left, y, 464 - left, 14},
                                 {scale ? 212 : 184, y, c.shown, 2, colors::value},
                                 colors::background);
}

const std::string thirty_characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.GBC";

INSTANTIATE_TEST_SUITE_P(
    Values, RowValue,
    testing::Values(
        ValueCase{"slot1_cart", [](MenuState &) {}, 1, "slot1.gbc"},
        ValueCase{"empty_slot2_is_upload", [](MenuState &) {}, 2, "<CLIENT UPLOAD>"},
        ValueCase{"slot2_cart",
                  [](MenuState &s) { std::snprintf(s.slot2_cart, sizeof s.slot2_cart, "b.gb"); }, 2,
                  "b.gb"},
        ValueCase{"long_cart_is_cut",
                  [](MenuState &s) {
                      std::snprintf(s.slot1_cart, sizeof s.slot1_cart, "%s",
                                    thirty_characters.c_str());
                  },
                  1, thirty_characters.substr(0, 22) + ">"},
        ValueCase{"mode", [](MenuState &s) { s.mode = MENU_MODE_LAN_REMOTE; }, 3, "LAN REMOTE"},
        ValueCase{"speed_in_self", [](MenuState &s) { s.speed = 2; }, 4, "x2"},
        ValueCase{"speed_outside_self", [](MenuState &s) { s.mode = MENU_MODE_CLIENT; }, 4,
                  "SELF ONLY"},
        ValueCase{"discover_manual", [](MenuState &s) { s.discover = 0; }, 5, "MANUAL"},
        ValueCase{"discover_automatic", [](MenuState &) {}, 5, "AUTOMATIC"},
        ValueCase{"host", [](MenuState &) {}, 6, "127.0.0.1"},
        ValueCase{"port", [](MenuState &) {}, 7, "25100"},
        ValueCase{"client_cart_upload", [](MenuState &) {}, 8, "UPLOAD SLOT1"},
        ValueCase{"client_cart_receive", [](MenuState &s) { s.client_cart = 0; }, 8,
                  "RECEIVE ONLY"},
        ValueCase{"rtc_in_self", [](MenuState &s) { s.rtc_offset_minutes = -90; }, 9, "-01:30"},
        ValueCase{"rtc_outside_self",
                  [](MenuState &s) {
                      s.mode = MENU_MODE_CLIENT;
                      s.rtc_offset_minutes = -90;
                  },
                  9, "SELF ONLY"},
        ValueCase{"display_scale_auto", [](MenuState &) {}, 10, "AUTO"},
        ValueCase{"display_scale_fixed", [](MenuState &s) { s.display_scale = 3; }, 10, "3"}),
    gb_test::CaseLabel());

struct StatusCase {
    const char *label;
    const char *status;
    bool editing;
    std::string shown;
    uint32_t color;
};

void PrintTo(const StatusCase &c, std::ostream *out) {
    *out << c.label;
}

class StatusLine : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusLine, ShowsStatusOrEditing) {
    const StatusCase &c = GetParam();
    MenuFrame frame;
    std::snprintf(frame.state.status, sizeof frame.state.status, "%s", c.status);
    frame.state.editing = c.editing ? 1 : 0;
    frame.draw();
    gb_test::expect_region_shows(frame.canvas, {318, 452, 162, 7}, {318, 452, c.shown, 1, c.color},
                                 colors::background);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusLine,
    testing::Values(StatusCase{"short", "READY", false, "READY", colors::dim},
                    StatusCase{"long_is_cut", "START FROM VORTELAN CLIENT", false,
                               "START FROM VORTELAN CL>", colors::dim},
                    StatusCase{"room_exactly_is_cut", "F2 EDITS CART HOST PORT", false,
                               "F2 EDITS CART HOST POR>", colors::dim},
                    StatusCase{"editing_wins", "READY", true, "EDITING TEXT", colors::highlight}),
    gb_test::CaseLabel());

TEST(MainMenuScreen, QuitDialogCoversTheMiddleRowsOnly) {
    MenuFrame frame;
    frame.state.quit_confirm = 1;
    frame.draw();
    EXPECT_EQ(frame.canvas.at(42, 154), colors::panel);
    EXPECT_EQ(frame.canvas.at(437, 323), colors::panel);
    EXPECT_EQ(frame.canvas.at(41, 154), colors::background);
    EXPECT_EQ(frame.canvas.at(438, 323), colors::background);
    EXPECT_EQ(frame.canvas.at(42, 324), colors::background);
    // The MODE label and value lie under the panel; SLOT2 CART and DISPLAY SCALE do not.
    EXPECT_EQ(frame.canvas.count(colors::panel, 44, row_y(3), 390, 14), 390 * 14);
    EXPECT_GT(frame.canvas.count(colors::label, 44, row_y(2), 130, 14), 0);
    EXPECT_GT(frame.canvas.count(colors::label, 44, row_y(10), 130, 14), 0);
    gb_test::expect_region_shows(frame.canvas, {318, 452, 162, 7},
                                 {318, 452, "READY", 1, colors::dim}, colors::background);
}

TEST(MainMenuScreen, QuitDialogHighlightsTheChoice) {
    for (bool yes : {true, false}) {
        MenuFrame frame;
        frame.state.quit_confirm = 1;
        frame.state.quit_yes = yes ? 1 : 0;
        frame.draw();
        gb_test::expect_region_shows(
            frame.canvas, {112, 254, 90, 21},
            {112, 254, yes ? "> YES" : "  YES", 3, yes ? colors::highlight : colors::label},
            colors::panel);
        gb_test::expect_region_shows(
            frame.canvas, {274, 254, 72, 21},
            {274, 254, yes ? "  NO" : "> NO", 3, yes ? colors::label : colors::highlight},
            colors::panel);
    }
}

TEST(MainMenuScreen, CaptureOverlayOnlyWhileCapturing) {
    MenuFrame frame;
    frame.draw();
    EXPECT_EQ(frame.canvas.at(42, 150), colors::background);
    frame.state.key_config_target = 2;
    frame.draw();
    EXPECT_EQ(frame.canvas.at(42, 150), colors::panel);
    EXPECT_EQ(frame.canvas.at(437, 339), colors::panel);
}

TEST(MainMenuScreen, GoldenDefault) {
    MenuFrame frame;
    frame.draw();
    gb_test::expect_golden(frame.canvas, "main_menu_default");
}

TEST(MainMenuScreen, GoldenQuitDialog) {
    MenuFrame frame;
    frame.state.row = MENU_ROW_MODE;
    frame.state.quit_confirm = 1;
    frame.draw();
    gb_test::expect_golden(frame.canvas, "main_menu_quit_dialog");
}

} // namespace
