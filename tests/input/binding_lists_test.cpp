#include "input/binding_lists.h"

#include "input/binding_devices.h"
#include "input/binding_names.h"

#include "tests/input/fresh_process.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr SlotKeys untouched = {1, 2, 3, 4, 5, 6, 7, 8};

std::string describe(const SlotKeys &keys) {
    char buffer[256];
    int length = vortelan_gb_runtime_key_config_describe(&keys, buffer, sizeof buffer);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

SlotKeys slot1() {
    SlotKeys keys{};
    vortelan_gb_runtime_key_config_slot1_default(&keys);
    return keys;
}

TEST(BindingDefaults, AreTheFactoryBindings) {
    EXPECT_EQ(slot1(),
              (SlotKeys{SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, 'z', 'x', 0x400000E5, 13}));
    SlotKeys slot2{};
    vortelan_gb_runtime_key_config_slot2_default(&slot2);
    EXPECT_EQ(slot2, (SlotKeys{'d', 'a', 'w', 's', 'g', 'h', 'r', 't'}));
    EXPECT_EQ(vortelan_gb_runtime_key_config_fast_default(), 'f');
    EXPECT_EQ(vortelan_gb_runtime_key_config_screenshot_default(), 'p');
    EXPECT_EQ(vortelan_gb_runtime_key_config_escape_default(), 27);
    EXPECT_EQ(vortelan_gb_runtime_key_config_turbo_hold_default(), 'b');
    EXPECT_EQ(vortelan_gb_runtime_key_config_reset_default(), 'o');
    vortelan_gb_runtime_key_config_slot1_default(nullptr); // ignored, no crash
}

TEST(Describe, WritesTheDefaultsAsEightNamesJoinedByCommas) {
    EXPECT_EQ(describe(slot1()), "Right,Left,Up,Down,Z,X,RSHIFT,RETURN");
    SlotKeys slot2{};
    vortelan_gb_runtime_key_config_slot2_default(&slot2);
    EXPECT_EQ(describe(slot2), "D,A,W,S,G,H,R,T");
}

TEST(Describe, ReturnsTheWholeLengthAndCutsToTheBuffer) {
    const SlotKeys keys = slot1();
    const std::string whole = "Right,Left,Up,Down,Z,X,RSHIFT,RETURN";
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vortelan_gb_runtime_key_config_describe(&keys, buffer, 6),
              static_cast<int>(whole.size()));
    EXPECT_STREQ(buffer, "Right");
    EXPECT_EQ(buffer[6], '#');
    EXPECT_EQ(vortelan_gb_runtime_key_config_describe(&keys, buffer, 0),
              static_cast<int>(whole.size()));
    EXPECT_EQ(buffer[0], 'R') << "capacity 0 writes nothing";
    EXPECT_EQ(vortelan_gb_runtime_key_config_describe(&keys, nullptr, 99),
              static_cast<int>(whole.size()));
}

TEST(Describe, CutsEightLongDeviceScopedNamesInAMenuSizedBuffer) {
    const std::string id(39, 'd');
    const std::string name = "JOY@" + id + ":H15RIGHT";
    std::string text = name;
    for (int i = 1; i < 8; ++i) {
        text += "," + name;
    }
    SlotKeys keys{};
    ASSERT_EQ(vortelan_gb_runtime_key_config_parse(&keys, text.c_str()), 0);
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    int length = vortelan_gb_runtime_key_config_describe(&keys, buffer, sizeof buffer);
    EXPECT_EQ(length, static_cast<int>(text.size()));
    EXPECT_GT(length, 255);
    EXPECT_EQ(std::strlen(buffer), 255u);
    EXPECT_EQ(std::string(buffer), text.substr(0, 255));
}

TEST(Parse, ReadsTheDefaultsTexts) {
    SlotKeys keys = untouched;
    ASSERT_EQ(vortelan_gb_runtime_key_config_parse(&keys, "Right,Left,Up,Down,Z,X,RSHIFT,RETURN"),
              0);
    EXPECT_EQ(keys, slot1());
    ASSERT_EQ(vortelan_gb_runtime_key_config_parse(&keys, "D,A,W,S,G,H,R,T"), 0);
    EXPECT_EQ(keys, (SlotKeys{'d', 'a', 'w', 's', 'g', 'h', 'r', 't'}));
    // Our own words and SDL's names, in any case SDL accepts.
    ASSERT_EQ(
        vortelan_gb_runtime_key_config_parse(&keys, "RIGHT,LEFT,UP,DOWN,z,x,RIGHTSHIFT,ENTER"), 0);
    EXPECT_EQ(keys, slot1());
}

TEST(Parse, SkipsEmptyFieldsAndLeadingSpaces) {
    SlotKeys keys = untouched;
    ASSERT_EQ(vortelan_gb_runtime_key_config_parse(
                  &keys, ",,Right,,Left,Up,,,Down,   Z, X,RSHIFT,RETURN,"),
              0);
    EXPECT_EQ(keys, slot1());
}

struct Failure {
    const char *text;
    const char *why;
};

TEST(Parse, FailsAndLeavesTheListUntouched) {
    const Failure failures[] = {
        {"", "no field"},
        {",,,,", "no field"},
        {"Right,Left", "two names"},
        {"Right,Left,Up,Down,Z,X,RSHIFT", "seven names"},
        {"Right,Left,Up,Down,Z,X,RSHIFT,RETURN,Q", "nine names"},
        {"Right,Left,Up,Down,Z,X ,RSHIFT,RETURN", "trailing blank is part of the name"},
        {"Right,Left,Up,Down,Z,\tX,RSHIFT,RETURN", "a tab is not skipped"},
        {"Right,Left,Up,Down,Z,   ,RSHIFT,RETURN", "a field of blanks is an empty name"},
        {"Right,Left,Up,Down,Z,Nope,RSHIFT,RETURN", "unknown name"},
        {"Right,Left,Up,Down,Z,JOY_BUTTON_128,RSHIFT,RETURN", "joystick button past 127"},
        {"Right,Left,Up,Down,Z,PAD@:A,RSHIFT,RETURN", "empty identity"},
        // The comma key is named by a bare comma: its own list text has too few fields.
        {"Right,Left,Up,Down,Z,,,RSHIFT,RETURN", "comma key"},
    };
    for (const Failure &failure : failures) {
        SlotKeys keys = untouched;
        EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&keys, failure.text), -1)
            << failure.why << ": \"" << failure.text << '"';
        EXPECT_EQ(keys, untouched) << failure.why;
    }
    SlotKeys keys = untouched;
    EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&keys, nullptr), -1);
    EXPECT_EQ(keys, untouched);
    EXPECT_EQ(vortelan_gb_runtime_key_config_parse(nullptr, "Right,Left,Up,Down,Z,X,RSHIFT,RETURN"),
              -1);
}

TEST(Parse, CommaKeyDescribesToATextThatDoesNotParse) {
    SlotKeys keys = slot1();
    keys[5] = ',';
    const std::string text = describe(keys);
    EXPECT_EQ(text, "Right,Left,Up,Down,Z,,,RSHIFT,RETURN");
    SlotKeys again = untouched;
    EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&again, text.c_str()), -1);
    EXPECT_EQ(again, untouched);
}

// The work buffer holds 1535 characters and a terminator.
TEST(Parse, AttemptsTextsOf1535CharactersAndRefuses1536) {
    const std::string head = "Right,Left,Up,Down,Z,X,RSHIFT,";
    const std::string tail = "RETURN";
    std::string text = head + std::string(1535 - head.size() - tail.size(), ' ') + tail;
    ASSERT_EQ(text.size(), 1535u);
    SlotKeys keys = untouched;
    EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&keys, text.c_str()), 0);
    EXPECT_EQ(keys, slot1());

    text.insert(head.size(), " ");
    ASSERT_EQ(text.size(), 1536u);
    keys = untouched;
    EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&keys, text.c_str()), -1);
    EXPECT_EQ(keys, untouched);
}

// describe then parse gives the same eight codes, for lists mixing every group.
TEST(ParseAndDescribe, RoundTripEveryGroup) {
    const SlotKeys lists[] = {
        slot1(),
        {'d', 'a', 'w', 's', 'g', 'h', 'r', 't'},
        {-100000, -100014, -101000, -102005, -103000, -103127, -104031, -105000},
        {-106000, -106063, SDLK_KP_ENTER, SDLK_LSHIFT, ' ', '1', SDLK_F12, 27},
        {'z', 'z', 'z', 'z', 'z', 'z', 'z', 'z'},
    };
    for (const SlotKeys &keys : lists) {
        const std::string text = describe(keys);
        SlotKeys again = untouched;
        EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&again, text.c_str()), 0) << text;
        EXPECT_EQ(again, keys) << text;
        EXPECT_EQ(describe(again), text);
    }
}

TEST(ParseAndDescribe, RoundTripDeviceScopedNames) {
    gb_test::expect_in_fresh_process([] {
        const char *text = "PAD@0123456789abcdef-0:DPAD_RIGHT,PAD@0123456789abcdef-0:DPAD_LEFT,"
                           "PAD@0123456789abcdef-0:LY-,PAD@0123456789abcdef-0:LY+,"
                           "JOY@fedcba9876543210-1:B0,JOY@fedcba9876543210-1:A2-,"
                           "JOY@fedcba9876543210-1:H0DOWN,PAD_START";
        SlotKeys keys = untouched;
        ASSERT_EQ(vortelan_gb_runtime_key_config_parse(&keys, text), 0);
        EXPECT_EQ(keys, (SlotKeys{-2001014, -2001013, -2003001, -2002001, -2014000, -2016002,
                                  -2017002, -100006}));
        char buffer[512];
        EXPECT_EQ(vortelan_gb_runtime_key_config_describe(&keys, buffer, sizeof buffer),
                  static_cast<int>(std::strlen(text)));
        EXPECT_STREQ(buffer, text);
    });
}

TEST(Parse, GivesSlotsToIdentitiesOfAFailedListUpToTheFailure) {
    gb_test::expect_in_fresh_process([] {
        SlotKeys keys = untouched;
        // Nine fields: the eighth is read, the ninth fails before it is converted.
        EXPECT_EQ(vortelan_gb_runtime_key_config_parse(
                      &keys, "JOY@a:B1,JOY@b:B99999,JOY@c:B1,A,A,A,A,JOY@d:B1,JOY@e:B1"),
                  -1);
        EXPECT_EQ(keys, untouched);
        EXPECT_EQ(binding_device_slot("a"), 0);
        EXPECT_EQ(binding_device_slot("b"), 1) << "a bad remainder still takes a slot";
        EXPECT_EQ(binding_device_slot("c"), 2) << "parse stops at the first bad field";
    });
}

TEST(Parse, StopsAtTheNinthFieldBeforeConvertingIt) {
    gb_test::expect_in_fresh_process([] {
        SlotKeys keys = untouched;
        EXPECT_EQ(vortelan_gb_runtime_key_config_parse(&keys, "A,A,A,A,A,A,A,JOY@a:B1,JOY@b:B1"),
                  -1);
        EXPECT_EQ(binding_device_slot("a"), 0);
        EXPECT_EQ(binding_device_slot("new"), 1) << "the ninth field took a slot";
    });
}

TEST(ButtonForKey, GivesTheBitOfTheFirstEqualEntry) {
    const SlotKeys keys = slot1();
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(&keys, SDLK_RETURN), 0x80);
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(&keys, SDLK_RIGHT), 0x01);
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(&keys, SDLK_RSHIFT),
              menu_button_select);
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(&keys, 'q'), 0);
    SlotKeys twice = keys;
    twice[4] = 'z';
    twice[5] = 'z';
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(&twice, 'z'), 0x10);
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_key(nullptr, 'z'), 0);
}

} // namespace
