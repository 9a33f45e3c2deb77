#include "input/binding_names.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// SDL's keymap (scancode -> keycode) is filled by its video subsystem; the names themselves
// need no SDL_Init. The dummy driver gives the default keymap without a screen.
class SdlKeymap : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

// Keycodes whose SDL name SDL's own lookup reads as another key. Each is a property of SDL,
// not of our grammar: SDL_GetKeyFromName looks the name up among scancode names and takes
// the first scancode that has it.
struct Exception {
    SDL_Scancode scancode;
    const char *why;
};
constexpr Exception exceptions[] = {
    {SDL_SCANCODE_RETURN2, "named \"Return\" like SDL_SCANCODE_RETURN, which comes first"},
};

bool is_exception(SDL_Scancode scancode) {
    for (const Exception &exception : exceptions) {
        if (exception.scancode == scancode) {
            return true;
        }
    }
    return false;
}

// Every keycode of the keymap that SDL names reads back through the plain grammar, both
// from our name (which differs from SDL's only for RSHIFT and RETURN) and from SDL's own
// name. Our upper-case grammar words (UP, RETURN, ...) never shadow SDL's names, which are
// mixed case ("Up", "Return").
TEST_F(SdlKeymap, EveryNamedKeycodeReadsBack) {
    int named = 0;
    int excepted = 0;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        SDL_Keycode code = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode));
        std::string sdl_name = SDL_GetKeyName(code);
        if (code == SDLK_UNKNOWN || sdl_name.empty()) {
            continue;
        }
        ++named;
        std::string name = vortelan_gb_runtime_key_config_key_name(code);
        if (is_exception(static_cast<SDL_Scancode>(scancode))) {
            ++excepted;
            EXPECT_NE(vortelan_gb_runtime_key_config_key_from_name(sdl_name.c_str()), code)
                << "exception no longer needed: scancode " << scancode << " \"" << sdl_name << '"';
            continue;
        }
        EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name(name.c_str()), code)
            << "scancode " << scancode << " name \"" << name << '"';
        EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name(sdl_name.c_str()), code)
            << "scancode " << scancode << " SDL name \"" << sdl_name << '"';
    }
    EXPECT_EQ(excepted, static_cast<int>(std::size(exceptions)));
    EXPECT_GT(named, 200) << "the keymap looks empty";
}

TEST_F(SdlKeymap, OurNamesDifferFromSdlsOnlyForRshiftAndReturn) {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        SDL_Keycode code = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode));
        std::string ours = vortelan_gb_runtime_key_config_key_name(code);
        if (code == SDLK_RSHIFT) {
            EXPECT_EQ(ours, "RSHIFT");
        } else if (code == SDLK_RETURN) {
            EXPECT_EQ(ours, "RETURN");
        } else {
            EXPECT_EQ(ours, SDL_GetKeyName(code)) << "scancode " << scancode;
        }
    }
}

} // namespace

namespace {

// The two exceptions of the fuzz oracles (fuzz/round_trip.h, fuzz/slot_keys_parse.cpp):
// SDL's lookup reads any one-character UTF-8 text as that keycode, over-long forms included.
TEST(SdlKeyLookup, ReadsOverLongUtf8AsTheCharactersKeycode) {
    // 'A' (65) is no key's keycode; SDL names it "A", which reads as the letter key 'a'.
    EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name("\xC1\x81"), 'A');
    EXPECT_STREQ(vortelan_gb_runtime_key_config_key_name('A'), "A");
    EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name("A"), 'a');
    // The comma key, whose name is a bare comma, can stand in a list field this way.
    EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name("\xC0\xAC"), ',');
}

} // namespace
