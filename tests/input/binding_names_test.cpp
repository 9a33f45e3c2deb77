#include "input/binding_names.h"

#include "input/binding_devices.h"

#include "tests/input/fresh_process.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using binding_code::Kind;

BindingCode from_name(const std::string &text) {
    return vortelan_gb_runtime_key_config_key_from_name(text.c_str());
}
std::string name_of(BindingCode code) {
    return vortelan_gb_runtime_key_config_key_name(code);
}

struct Named {
    BindingCode code;
    const char *name;
};

TEST(KeyName, NamesEachGroupAsTheSpecificationShows) {
    const Named cases[] = {
        {-100000, "PAD_A"},
        {-100014, "PAD_DPAD_RIGHT"},
        {-101000, "PAD_LX_POS"},
        {-102005, "PAD_RT_NEG"},
        {-101003, "PAD_RY_POS"},
        {-103005, "JOY_BUTTON_5"},
        {-103127, "JOY_BUTTON_127"},
        {-104000, "JOY_AXIS_0_POS"},
        {-105003, "JOY_AXIS_3_NEG"},
        {-106009, "JOY_HAT_2_RIGHT"},
        {-106063, "JOY_HAT_15_LEFT"},
        {13, "RETURN"},
        {0x400000E5, "RSHIFT"},
        {SDLK_RIGHT, "Right"},
        {SDLK_UP, "Up"},
        {'z', "Z"},
        {SDLK_ESCAPE, "Escape"},
        {SDLK_LSHIFT, "Left Shift"},
        {SDLK_KP_ENTER, "Keypad Enter"},
    };
    for (const Named &c : cases) {
        EXPECT_EQ(name_of(c.code), c.name) << c.code;
    }
}

TEST(KeyName, GivesSdlsTextForCodesNoGroupNames) {
    gb_test::expect_in_fresh_process([] {
        // Controller buttons 15..20 are controller codes without names: SDL's name of the
        // number, which is empty. So are device-scoped codes of a free slot, and 0.
        for (BindingCode code : {-100015, -100020, 0, -2001000}) {
            EXPECT_EQ(name_of(code), std::string(SDL_GetKeyName(code))) << code;
            EXPECT_EQ(name_of(code), "") << code;
        }
    });
}

struct Parsed {
    const char *name;
    BindingCode code;
};

TEST(KeyFromName, ReadsThePlainGrammarByteExactly) {
    const Parsed cases[] = {
        {"PAD_A", -100000},
        {"PAD_DPAD_RIGHT", -100014},
        {"PAD_a", 0},
        {"PAD_LX_POS", -101000},
        {"PAD_RT_NEG", -102005},
        {"PAD_RT_POSX", 0},
        {"JOY_BUTTON_0", -103000},
        {"JOY_BUTTON_127", -103127},
        {"JOY_BUTTON_128", 0}, // a number past the group: final
        {"JOY_BUTTON_x", 0},   // not a number: falls through to SDL, which knows no key
        {"JOY_BUTTON_", 0},    // empty number
        {"JOY_BUTTON_-1", 0},  // negative, rejected as a huge unsigned value
        {"JOY_BUTTON_007", -103007},
        {"JOY_BUTTON_ 7", -103007}, // the C library skips leading white space
        {"JOY_AXIS_31_POS", -104031},
        {"JOY_AXIS_0_NEG", -105000},
        {"JOY_AXIS_32_POS", 0},
        {"JOY_AXIS_1_POSX", 0}, // "_POS" is not at the end; "_NEG" is then not looked for
        {"JOY_AXIS_1_POS_NEG", 0},
        {"JOY_AXIS__POS", 0},
        {"JOY_AXIS_1234567890123456_POS", 0},      // 16 digits
        {"JOY_AXIS_000000000000003_POS", -104003}, // 15 digits
        {"JOY_HAT_0_UP", -106000},
        {"JOY_HAT_15_LEFT", -106063},
        {"JOY_HAT_2_DOWN", -106010},
        {"JOY_HAT_0_up", 0}, // case-sensitive direction word
        {"JOY_HAT_16_UP", 0},
        {"JOY_HAT__UP", 0},
        {"JOY_HAT_0_UPX", 0},
        {"RSHIFT", 0x400000E5},
        {"RIGHTSHIFT", 0x400000E5},
        {"RETURN", 13},
        {"ENTER", 13},
        {"UP", SDLK_UP},
        {"DOWN", SDLK_DOWN},
        {"LEFT", SDLK_LEFT},
        {"RIGHT", SDLK_RIGHT},
        // SDL's lookup, with SDL's rules on case.
        {"Return", 13},
        {"return", 13},
        {"Right", SDLK_RIGHT},
        {"right shift", SDLK_RSHIFT},
        {"Z", 'z'},
        {"z", 'z'},
        {",", ','},
        {"Space", ' '},
        {"", 0},
        {" ", ' '}, // one character is that keycode in SDL's lookup
        {"X ", 0},
        {"\tX", 0},
        {"NoSuchKey", 0},
    };
    for (const Parsed &c : cases) {
        EXPECT_EQ(from_name(c.name), c.code) << '"' << c.name << '"';
    }
    EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name(nullptr), 0);
}

// Every name that rules 2..6 of code to name produce, over every index of every group,
// reads back to its code.
TEST(KeyFromName, ReadsBackEveryUnscopedGroupName) {
    const struct {
        Kind kind;
        uint32_t count;
    } groups[] = {{Kind::controller_button, 15},
                  {Kind::controller_axis_positive, 6},
                  {Kind::controller_axis_negative, 6},
                  {Kind::joystick_button, 128},
                  {Kind::joystick_axis_positive, 32},
                  {Kind::joystick_axis_negative, 32},
                  {Kind::joystick_hat, 64}};
    int checked = 0;
    for (const auto &group : groups) {
        for (uint32_t index = 0; index < group.count; ++index) {
            BindingCode code = binding_code::unscoped(group.kind, index);
            std::string name = name_of(code);
            EXPECT_EQ(from_name(name), code) << '"' << name << '"';
            ++checked;
        }
    }
    EXPECT_EQ(checked, 15 + 6 + 6 + 128 + 32 + 32 + 64);
}

// Rule 1, every kind and every index in its group's range, for identities of different
// shapes: a device identity, one character, and the longest (39 characters).
TEST(KeyFromName, ReadsBackEveryDeviceScopedName) {
    const uint32_t counts[8] = {0, 15, 6, 6, 128, 32, 32, 64};
    for (const std::string &id :
         std::initializer_list<std::string>{"0123456789abcdef-0", "x", std::string(39, 'i')}) {
        int slot = binding_device_slot(id.c_str());
        ASSERT_GE(slot, 0);
        for (uint8_t kind = 1; kind <= 7; ++kind) {
            for (uint32_t index = 0; index < counts[kind]; ++index) {
                BindingCode code =
                    binding_code::scoped(static_cast<uint32_t>(slot), Kind{kind}, index);
                std::string name = name_of(code);
                ASSERT_EQ(name.rfind(kind <= 3 ? "PAD@" : "JOY@", 0), 0u) << name;
                ASSERT_EQ(name.compare(4, id.size() + 1, id + ":"), 0) << name;
                EXPECT_EQ(from_name(name), code) << '"' << name << '"';
            }
        }
    }
}

TEST(KeyName, FormatsDeviceScopedNamesIncludingIndicesWithoutNames) {
    gb_test::expect_in_fresh_process([] {
        ASSERT_EQ(binding_device_slot("0123456789abcdef-0"), 0);
        const Named cases[] = {
            {-2001011, "PAD@0123456789abcdef-0:DPAD_UP"},
            {-2001015, "PAD@0123456789abcdef-0:UNKNOWN"},
            {-2002000, "PAD@0123456789abcdef-0:LX+"},
            {-2003005, "PAD@0123456789abcdef-0:RT-"},
            {-2003006, "PAD@0123456789abcdef-0:AXIS-"},
            {-2004012, "JOY@0123456789abcdef-0:B12"},
            {-2004999, "JOY@0123456789abcdef-0:B999"},
            {-2005003, "JOY@0123456789abcdef-0:A3+"},
            {-2006031, "JOY@0123456789abcdef-0:A31-"},
            {-2007007, "JOY@0123456789abcdef-0:H1LEFT"},
            {-2007064, "JOY@0123456789abcdef-0:H16UP"},
        };
        for (const Named &c : cases) {
            EXPECT_EQ(name_of(c.code), c.name) << c.code;
        }
        // Out-of-range indices name something that does not read back as that code.
        for (BindingCode code : {-2001015, -2003006, -2004999, -2007064}) {
            EXPECT_NE(from_name(name_of(code)), code) << code;
        }
        // Slot taken but kind 0, 8 or 9: a keycode no key has.
        EXPECT_EQ(name_of(-2000001), "");
        EXPECT_EQ(name_of(-2009001), "");
    });
}

TEST(ScopedGrammar, FollowsTheSpecificationsExamples) {
    gb_test::expect_in_fresh_process([] {
        EXPECT_EQ(from_name("PAD@0123456789abcdef-0:A"), -2001000);
        EXPECT_EQ(from_name("PAD@0123456789abcdef-0:LX-"), -2003000);
        EXPECT_EQ(from_name("PAD@fedcba9876543210-1:A"), -2011000);
        EXPECT_EQ(from_name("JOY@x:B12"), -2024012);
        EXPECT_EQ(from_name("JOY@x:A3+"), -2025003);
        EXPECT_EQ(from_name("JOY@x:A3-"), -2026003);
        EXPECT_EQ(from_name("JOY@x:H1LEFT"), -2027007);
        EXPECT_EQ(binding_device_slot("x"), 2);
    });
}

TEST(ScopedGrammar, TakesASlotForAWellFormedIdentityEvenWhenTheRestIsBad) {
    gb_test::expect_in_fresh_process([] {
        const char *bad_remainders[] = {
            "JOY@a:B128",
            "JOY@b:B",
            "JOY@c:B-1",
            "JOY@d:A32+",
            "JOY@e:A3",
            "JOY@f:A+",
            "JOY@g:A3*",
            "JOY@h:H16UP",
            "JOY@i:HUP",
            "JOY@j:H1up",
            "JOY@k:H1",
            "JOY@l:X1",
            "PAD@m:a",
            "PAD@n:LX",
            "PAD@o:LX+ ",
            "PAD@p:PAD_A",
            "PAD@q:AXIS+",
            "PAD@r:UNKNOWN",
            "JOY@s:A1234567890123456+",
            "JOY@t:H1RIGHTUP", // "UP" ends it first, and "1RIGHT" is no number
        };
        int slot = 0;
        for (const char *name : bad_remainders) {
            EXPECT_EQ(from_name(name), 0) << name;
            std::string id(name + 4, 1);
            EXPECT_EQ(binding_device_slot(id.c_str()), slot++) << name;
        }
    });
}

TEST(ScopedGrammar, RejectsBadIdentitiesWithoutTakingASlot) {
    gb_test::expect_in_fresh_process([] {
        const std::string too_long = "PAD@" + std::string(40, 'i') + ":A";
        const char *bad[] = {"PAD@:A",  "JOY@:B1",  "PAD@x", "PAD@x:",        "JOY@x:",
                             "pad@x:A", "JOY#x:B1", "PAD@",  too_long.c_str()};
        for (const char *name : bad) {
            EXPECT_EQ(from_name(name), 0) << name;
        }
        EXPECT_EQ(binding_device_slot("first"), 0) << "a bad name took a slot";
        // 39 characters is the longest identity; the identity may hold '@', blanks, ...
        EXPECT_EQ(from_name("PAD@" + std::string(39, 'i') + ":A"), -2011000);
        EXPECT_EQ(from_name("JOY@a b@c:B0"), -2024000);
        // The identity ends at the first ':'.
        EXPECT_EQ(from_name("JOY@x:y:B1"), 0);
        EXPECT_EQ(binding_device_slot("x"), 3);
    });
}

TEST(ScopedGrammar, ReadsNumbersAsTheCLibraryDoes) {
    gb_test::expect_in_fresh_process([] {
        ASSERT_EQ(binding_device_slot("x"), 0);
        EXPECT_EQ(from_name("JOY@x:B007"), -2004007);
        EXPECT_EQ(from_name("JOY@x:B+7"), -2004007);
        EXPECT_EQ(from_name("JOY@x:B 7"), -2004007);
        EXPECT_EQ(from_name("JOY@x:A-0+"), -2005000);
        EXPECT_EQ(from_name("JOY@x:H015DOWN"), -2007062);
        EXPECT_EQ(from_name("JOY@x:B100001"), 0);
        EXPECT_EQ(from_name("JOY@x:B99999999999999999999"), 0);
        EXPECT_EQ(from_name("JOY@x:B0x1"), 0);
    });
}

TEST(NameRing, KeepsEightNamesAndOverwritesTheFirstWithTheNinth) {
    const char *first = vortelan_gb_runtime_key_config_key_name(-103000);
    ASSERT_STREQ(first, "JOY_BUTTON_0");
    const char *names[8];
    for (int n = 1; n <= 7; ++n) {
        names[n] = vortelan_gb_runtime_key_config_key_name(-103000 - n);
    }
    // Constant and SDL names do not use the ring.
    EXPECT_STREQ(vortelan_gb_runtime_key_config_key_name(-100000), "PAD_A");
    EXPECT_STREQ(vortelan_gb_runtime_key_config_key_name(13), "RETURN");
    EXPECT_STREQ(first, "JOY_BUTTON_0") << "the first name is intact after eight names";
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(names[n], "JOY_BUTTON_" + std::to_string(n));
    }
    const char *ninth = vortelan_gb_runtime_key_config_key_name(-106009);
    EXPECT_EQ(ninth, first) << "the ninth name takes the first buffer";
    EXPECT_STREQ(first, "JOY_HAT_2_RIGHT");
    EXPECT_STREQ(names[1], "JOY_BUTTON_1");
}

TEST(KeyNames, NeedNoSdlInit) {
    gb_test::expect_in_fresh_process([] {
        ASSERT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
        EXPECT_EQ(name_of(SDLK_RIGHT), "Right");
        EXPECT_EQ(name_of('x'), "X");
        EXPECT_EQ(from_name("Right"), SDLK_RIGHT);
        EXPECT_EQ(from_name("X"), 'x');
        EXPECT_EQ(from_name("Keypad Enter"), SDLK_KP_ENTER);
        EXPECT_EQ(from_name("JOY@x:B1"), -2004001);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    });
}

} // namespace
