#include "app/menu_state.h"

#include "tests/menu/menu_state_fixture.h"
#include "tests/menu/package_root_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

MenuState start_state() {
    MenuState state;
    gb_test::fill_start_state(&state);
    std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "slot1.gbc");
    return state;
}

void set_text(char *field, size_t capacity, const char *text) {
    std::snprintf(field, capacity, "%s", text);
}

#define SET(field, text) set_text(state.field, sizeof state.field, text)

void with_roms(MenuState &state) {
    for (const char *name : {"a.gb", "b.gb", "c.gb"}) {
        vortelan_gb_runtime_choice_list_add(&state.roms, name);
    }
}

struct CycleCase {
    const char *name;
    uint32_t row;
    int direction;
    std::function<void(MenuState &)> before;
    std::function<void(MenuState &)> change; // what the cycle must change, nothing else
};

void no_change(MenuState &) {}

const CycleCase cycle_cases[] = {
    {"start", MENU_ROW_START, 1, no_change, no_change},
    {"host", MENU_ROW_HOST, -1, no_change, no_change},
    {"port", MENU_ROW_PORT, 1, no_change, no_change},
    {"row past the end", menu_row_count, 1, no_change, no_change},
    {"slot1 with no roms", MENU_ROW_SLOT1_CART, 1, no_change, no_change},
    {"slot1 unknown name forward", MENU_ROW_SLOT1_CART, 1,
     [](MenuState &state) {
         with_roms(state);
         SET(slot1_cart, "zz.gb");
     },
     [](MenuState &state) { SET(slot1_cart, "b.gb"); }},
    {"slot1 unknown name backward", MENU_ROW_SLOT1_CART, -1,
     [](MenuState &state) {
         with_roms(state);
         SET(slot1_cart, "zz.gb");
     },
     [](MenuState &state) { SET(slot1_cart, "c.gb"); }},
    {"slot1 wraps forward", MENU_ROW_SLOT1_CART, 1,
     [](MenuState &state) {
         with_roms(state);
         SET(slot1_cart, "c.gb");
     },
     [](MenuState &state) { SET(slot1_cart, "a.gb"); }},
    {"slot2 from none forward", MENU_ROW_SLOT2_CART, 1, with_roms,
     [](MenuState &state) { SET(slot2_cart, "a.gb"); }},
    {"slot2 from none backward", MENU_ROW_SLOT2_CART, -1, with_roms,
     [](MenuState &state) { SET(slot2_cart, "c.gb"); }},
    {"slot2 from last to none", MENU_ROW_SLOT2_CART, 1,
     [](MenuState &state) {
         with_roms(state);
         SET(slot2_cart, "c.gb");
     },
     [](MenuState &state) { SET(slot2_cart, ""); }},
    {"slot2 with no roms empties", MENU_ROW_SLOT2_CART, 1,
     [](MenuState &state) { SET(slot2_cart, "zz.gb"); },
     [](MenuState &state) { SET(slot2_cart, ""); }},
    {"mode wraps backward", MENU_ROW_MODE, -1, no_change,
     [](MenuState &state) { state.mode = MENU_MODE_KEY_CONFIG; }},
    {"mode wraps forward", MENU_ROW_MODE, 1,
     [](MenuState &state) { state.mode = MENU_MODE_KEY_CONFIG; },
     [](MenuState &state) { state.mode = MENU_MODE_SELF; }},
    {"entering lan remote moves the default port", MENU_ROW_MODE, 1,
     [](MenuState &state) { state.mode = MENU_MODE_CLIENT; },
     [](MenuState &state) {
         state.mode = MENU_MODE_LAN_REMOTE;
         SET(port, "25170");
     }},
    {"entering lan remote backward", MENU_ROW_MODE, -1,
     [](MenuState &state) { state.mode = MENU_MODE_SCREENSHOT_VIEW; },
     [](MenuState &state) {
         state.mode = MENU_MODE_LAN_REMOTE;
         SET(port, "25170");
     }},
    {"entering lan remote keeps a typed port", MENU_ROW_MODE, 1,
     [](MenuState &state) {
         state.mode = MENU_MODE_CLIENT;
         SET(port, "4000");
     },
     [](MenuState &state) { state.mode = MENU_MODE_LAN_REMOTE; }},
    {"leaving lan remote restores the default port", MENU_ROW_MODE, 1,
     [](MenuState &state) {
         state.mode = MENU_MODE_LAN_REMOTE;
         SET(port, "25170");
     },
     [](MenuState &state) {
         state.mode = MENU_MODE_SCREENSHOT_VIEW;
         SET(port, "25100");
     }},
    {"leaving lan remote compares the whole port text", MENU_ROW_MODE, -1,
     [](MenuState &state) {
         state.mode = MENU_MODE_LAN_REMOTE;
         SET(port, "025170");
     },
     [](MenuState &state) { state.mode = MENU_MODE_CLIENT; }},
    {"other modes leave the lan port alone", MENU_ROW_MODE, 1,
     [](MenuState &state) {
         state.mode = MENU_MODE_SERVER1;
         SET(port, "25170");
     },
     [](MenuState &state) { state.mode = MENU_MODE_SERVER2; }},
    {"speed wraps forward", MENU_ROW_SPEED, 1, [](MenuState &state) { state.speed = 4; },
     [](MenuState &state) { state.speed = 1; }},
    {"speed wraps backward", MENU_ROW_SPEED, -1, no_change,
     [](MenuState &state) { state.speed = 4; }},
    {"speed outside self", MENU_ROW_SPEED, 1,
     [](MenuState &state) { state.mode = MENU_MODE_CLIENT; },
     [](MenuState &state) { SET(status, "SPEED SELF ONLY"); }},
    {"discover toggles forward", MENU_ROW_DISCOVER, 1, no_change,
     [](MenuState &state) { state.discover = 0; }},
    {"discover toggles backward", MENU_ROW_DISCOVER, -1,
     [](MenuState &state) { state.discover = 0; }, [](MenuState &state) { state.discover = 1; }},
    {"client cart toggles backward", MENU_ROW_CLIENT_CART, -1, no_change,
     [](MenuState &state) { state.client_cart = 0; }},
    {"client cart toggles forward", MENU_ROW_CLIENT_CART, 1,
     [](MenuState &state) { state.client_cart = 0; },
     [](MenuState &state) { state.client_cart = 1; }},
    {"rtc steps one minute", MENU_ROW_RTC_OFFSET, -1, no_change,
     [](MenuState &state) { state.rtc_offset_minutes = -1; }},
    {"rtc stops at the top", MENU_ROW_RTC_OFFSET, 1,
     [](MenuState &state) { state.rtc_offset_minutes = 1440; }, no_change},
    {"rtc stops at the bottom", MENU_ROW_RTC_OFFSET, -1,
     [](MenuState &state) { state.rtc_offset_minutes = -1440; }, no_change},
    {"rtc outside self", MENU_ROW_RTC_OFFSET, 1,
     [](MenuState &state) { state.mode = MENU_MODE_LAN_REMOTE; },
     [](MenuState &state) { SET(status, "RTC OFFSET SELF ONLY"); }},
    {"scale wraps backward", MENU_ROW_DISPLAY_SCALE, -1, no_change,
     [](MenuState &state) {
         state.display_scale = 6;
         state.display_scale_changed = 1;
     }},
    {"scale wraps forward", MENU_ROW_DISPLAY_SCALE, 1,
     [](MenuState &state) { state.display_scale = 6; },
     [](MenuState &state) {
         state.display_scale = 0;
         state.display_scale_changed = 1;
     }},
    {"scale steps in any mode", MENU_ROW_DISPLAY_SCALE, 1,
     [](MenuState &state) {
         state.mode = MENU_MODE_CLIENT;
         state.display_scale = 2;
     },
     [](MenuState &state) {
         state.display_scale = 3;
         state.display_scale_changed = 1;
     }},
};

TEST(MenuCycle, ChangesExactlyWhatTheRowOwns) {
    for (const CycleCase &c : cycle_cases) {
        MenuState state = start_state();
        c.before(state);
        state.row = static_cast<MenuRow>(c.row);
        MenuState expected = state;
        c.change(expected);
        vortelan_gb_runtime_menu_cycle_selected(&state, c.direction);
        EXPECT_EQ(gb_test::state_summary(state), gb_test::state_summary(expected)) << c.name;
    }
}

TEST(MenuCycle, SlotTwoRunsThroughNoneOnATwoEntryList) {
    MenuState state = start_state();
    vortelan_gb_runtime_choice_list_add(&state.roms, "a.gb");
    vortelan_gb_runtime_choice_list_add(&state.roms, "b.gb");
    state.row = MENU_ROW_SLOT2_CART;
    std::string seen;
    for (int press = 0; press < 4; ++press) {
        vortelan_gb_runtime_menu_cycle_selected(&state, 1);
        seen += std::string("[") + state.slot2_cart + "]";
    }
    EXPECT_EQ(seen, "[a.gb][b.gb][][a.gb]");
}

TEST(MenuRows, EditableTextsAndTheirCapacities) {
    MenuState state = start_state();
    struct Row {
        uint32_t row;
        char *value;
        size_t capacity;
    };
    for (const Row &r :
         {Row{MENU_ROW_START, nullptr, 512}, Row{MENU_ROW_SLOT1_CART, state.slot1_cart, 512},
          Row{MENU_ROW_SLOT2_CART, state.slot2_cart, 512}, Row{MENU_ROW_MODE, nullptr, 512},
          Row{MENU_ROW_HOST, state.host, 128}, Row{MENU_ROW_PORT, state.port, 16},
          Row{MENU_ROW_DISPLAY_SCALE, nullptr, 512}, Row{menu_row_count, nullptr, 512}}) {
        EXPECT_EQ(vortelan_gb_runtime_menu_row_value(&state, r.row), r.value) << r.row;
        EXPECT_EQ(vortelan_gb_runtime_menu_row_value_capacity(r.row), r.capacity) << r.row;
    }
}

TEST(MenuRows, ModeNames) {
    const char *names[] = {"SELF",       "SERVER1",         "SERVER2",   "CLIENT",
                           "LAN REMOTE", "SCREENSHOT VIEW", "KEY CONFIG"};
    for (uint32_t mode = 0; mode < 7; ++mode) {
        EXPECT_STREQ(vortelan_gb_runtime_menu_mode_name(mode), names[mode]);
    }
    EXPECT_STREQ(vortelan_gb_runtime_menu_mode_name(7), "SELF");
    EXPECT_STREQ(vortelan_gb_runtime_menu_mode_name(UINT32_MAX), "SELF");
}

struct AppendCase {
    std::string text;
    size_t capacity;
    const char *addition;
    std::string expected;
};

TEST(MenuAppend, StopsAtTheCapacity) {
    for (const AppendCase &c : {
             AppendCase{"", 16, "4000", "4000"},
             AppendCase{std::string(15, '9'), 16, "1", std::string(15, '9')},
             AppendCase{std::string(13, '9'), 16, "12345", std::string(13, '9') + "12"},
             AppendCase{std::string(14, '9'), 16, "\xc3\xa9", std::string(14, '9') + "\xc3"},
             AppendCase{"host", 128, " any:chars", "host any:chars"},
             AppendCase{"x", 1, "y", "x"},
         }) {
        char text[128];
        std::memset(text, 'z', sizeof text);
        std::memcpy(text, c.text.c_str(), c.text.size() + 1);
        vortelan_gb_runtime_menu_append_text(text, c.capacity, c.addition);
        EXPECT_EQ(std::string(text), c.expected) << c.text << " + " << c.addition;
        if (c.capacity < sizeof text && c.text.size() < c.capacity) {
            EXPECT_EQ(text[c.capacity], 'z') << "wrote past capacity";
        }
    }
}

TEST(MenuRtcOffset, SignHoursAndMinutes) {
    struct Case {
        int32_t minutes;
        const char *text;
    };
    for (const Case &c :
         {Case{0, "+00:00"}, Case{-90, "-01:30"}, Case{1440, "+24:00"}, Case{-1440, "-24:00"},
          Case{59, "+00:59"}, Case{INT32_MIN, "-35791394:08"}}) {
        char text[32];
        EXPECT_EQ(vortelan_gb_runtime_menu_format_rtc_offset(c.minutes, text, sizeof text),
                  static_cast<int>(std::strlen(c.text)));
        EXPECT_STREQ(text, c.text);
    }
    char small[4];
    EXPECT_EQ(vortelan_gb_runtime_menu_format_rtc_offset(-90, small, sizeof small), 6);
    EXPECT_STREQ(small, "-01");
}

class LaunchCheck : public gb_test::PackageRootTest {
  protected:
    void SetUp() override {
        PackageRootTest::SetUp();
        std::filesystem::create_directory("roms/folder.gb");
        gb_test::write_file("roms/a.gb", "");
        gb_test::write_file("roms/b.gbc", "");
    }
};

TEST_F(LaunchCheck, ExplainsEveryRefusal) {
    struct Case {
        const char *slot1;
        const char *slot2;
        MenuMode mode;
        bool launchable;
        const char *status;
    };
    for (const Case &c : {
             Case{"a.gb", "", MENU_MODE_SELF, true, "READY"},
             Case{"a.gb", "b.gbc", MENU_MODE_SERVER1, true, "READY"},
             Case{"slot1.gbc", "", MENU_MODE_SELF, false, "SLOT1 MUST BE A FILE IN ROMS/"},
             Case{"folder.gb", "b.gbc", MENU_MODE_SELF, false, "SLOT1 MUST BE A FILE IN ROMS/"},
             Case{"a.gb", "missing.gb", MENU_MODE_SELF, false, "SLOT2 MUST BE A FILE IN ROMS/"},
             Case{"a.gb", "a.gb", MENU_MODE_SELF, false, "SLOT1 AND SLOT2 CART MUST DIFFER"},
             Case{"a.gb", "a.gb", MENU_MODE_LAN_REMOTE, true, "READY"},
             Case{"a.gb", "../x.gb", MENU_MODE_LAN_REMOTE, true, "READY"},
         }) {
        MenuState state = start_state();
        set_text(state.slot1_cart, sizeof state.slot1_cart, c.slot1);
        set_text(state.slot2_cart, sizeof state.slot2_cart, c.slot2);
        state.mode = c.mode;
        EXPECT_EQ(vortelan_gb_runtime_menu_validate_launch_selection(&state), c.launchable)
            << c.slot1 << " / " << c.slot2;
        EXPECT_STREQ(state.status, c.status) << c.slot1 << " / " << c.slot2;
    }
}

} // namespace
