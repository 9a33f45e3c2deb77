#include "ui/key_config_screen.h"

#include "input/binding_names.h"
#include "menu/settings_file.h"
#include "tests/support/key_event.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/canvas.h"
#include "tests/ui/screen_fixture.h"
#include "tests/ui/virtual_pad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using gb_test::push_keys;
using gb_test::push_quit;
namespace colors = gb_test::colors;

class KeyConfigLoop : public gb_test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gb_test::fill_menu_state(&state);
        state.row = MENU_ROW_PORT;
    }

    void run() {
        vortelan_gb_runtime_key_config_menu_run(canvas->renderer(), nullptr, &state);
        EXPECT_EQ(state.row, MENU_ROW_PORT);
        EXPECT_STREQ(state.status, "READY");
        EXPECT_EQ(state.key_config_target, 0u);
        EXPECT_EQ(state.key_config_step, 0u);
        EXPECT_EQ(state.key_config_wait_release, 0);
        EXPECT_EQ(state.key_config_held_code, 0);
    }
    // The last frame drawn before the screen closed.
    void expect_status_shown(const std::string &status) const {
        gb_test::expect_region_shows(*canvas, {252, 452, 228, 7},
                                     {252, 452, status, 1, colors::dim}, colors::background);
    }
    void expect_prompt_shown(const std::string &prompt) const {
        gb_test::expect_region_shows(*canvas, {78, 254, 354, 21},
                                     {78, 254, prompt, 3, colors::highlight}, colors::panel);
    }
    // What the next start reads from the settings file.
    static MenuState reloaded_state() {
        MenuState reloaded;
        gb_test::fill_menu_state(&reloaded);
        vortelan_gb_runtime_menu_load_config_file(&reloaded);
        return reloaded;
    }
    std::string saved_line(const std::string &key) const {
        if (!std::filesystem::exists(config)) {
            return "(no file)";
        }
        const std::string text = gb_test::read_text_file(config);
        const size_t start = text.find("\n" + key + "=");
        return start == std::string::npos
                   ? "(no line)"
                   : text.substr(start + 1, text.find('\n', start + 1) - start - 1);
    }

    gb_test::TempDir directory;
    std::string config = directory.file("keys.conf");
    gb_test::ScopedEnvironment config_path{"GB_RUNTIME_KEY_CONFIG", config};
    MenuState state;
};

TEST_F(KeyConfigLoop, CapturesAWholeSlotAndSavesIt) {
    push_keys({SDLK_RETURN, SDLK_z, SDLK_x, SDLK_BACKSPACE, SDLK_RETURN, SDLK_RIGHT, SDLK_LEFT,
               SDLK_UP, SDLK_DOWN});
    push_quit();
    run();
    EXPECT_EQ(state.slot1_keys, (SlotKeys{SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_z, SDLK_x,
                                          SDLK_BACKSPACE, SDLK_RETURN}));
    EXPECT_STREQ(state.slot1_keys_text, "Right,Left,Up,Down,Z,X,Backspace,RETURN");
    EXPECT_EQ(saved_line("slot1_keys"), "slot1_keys=Right,Left,Up,Down,Z,X,Backspace,RETURN");
    expect_status_shown("KEY CONFIG SAVED");
}

TEST_F(KeyConfigLoop, CapturesSlotTwoIntoSlotTwoOnly) {
    const SlotKeys slot1 = state.slot1_keys;
    push_keys(
        {SDLK_DOWN, SDLK_RETURN, SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8});
    push_quit();
    run();
    EXPECT_EQ(state.slot2_keys,
              (SlotKeys{SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_1, SDLK_2, SDLK_3, SDLK_4}));
    EXPECT_EQ(state.slot1_keys, slot1);
    EXPECT_EQ(saved_line("slot2_keys"), "slot2_keys=5,6,7,8,1,2,3,4");
}

TEST_F(KeyConfigLoop, RefusesArrowsForButtonsAndEnterForDirections) {
    const SlotKeys before = state.slot1_keys;
    push_keys({SDLK_RETURN, SDLK_UP});
    push_quit();
    run();
    expect_prompt_shown("PRESS A");
    expect_status_shown("ARROWS ARE DIRECTION ONLY");

    push_keys({SDLK_RETURN, SDLK_z, SDLK_x, SDLK_BACKSPACE, SDLK_RETURN, SDLK_RETURN});
    push_quit();
    run();
    expect_prompt_shown("PRESS RIGHT");
    expect_status_shown("ENTER CANNOT BE DIRECTION");

    push_keys(
        {SDLK_RETURN, SDLK_z, SDLK_x, SDLK_BACKSPACE, SDLK_RETURN, SDLK_RIGHT, SDLK_KP_ENTER});
    push_quit();
    run();
    expect_prompt_shown("PRESS LEFT");
    // A quit request drops what was captured so far.
    EXPECT_EQ(state.slot1_keys, before);
    EXPECT_EQ(saved_line("slot1_keys"), "(no file)");
}

TEST_F(KeyConfigLoop, EscapeCancelsASlotCapture) {
    const SlotKeys before = state.slot1_keys;
    push_keys({SDLK_RETURN, SDLK_q, SDLK_w, SDLK_ESCAPE});
    push_quit();
    run();
    EXPECT_EQ(state.slot1_keys, before);
    EXPECT_EQ(saved_line("slot1_keys"), "(no file)");
    expect_status_shown("KEY CONFIG CANCELED");
    EXPECT_EQ(canvas->at(42, 150), colors::background) << "overlay gone";
}

TEST_F(KeyConfigLoop, EscapeBindingCancelsASlotCapture) {
    state.escape_key = SDLK_q;
    push_keys({SDLK_RETURN, SDLK_z, SDLK_q});
    push_quit();
    run();
    expect_status_shown("KEY CONFIG CANCELED");
}

TEST_F(KeyConfigLoop, UtilityCaptureTakesEscapeAsAKey) {
    state.escape_key = SDLK_q;
    push_keys({SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, SDLK_F1, SDLK_LEFT, SDLK_F2, SDLK_ESCAPE});
    push_quit();
    run();
    expect_prompt_shown("PRESS TURBO");
    expect_status_shown("ARROWS ARE DIRECTION ONLY");
    EXPECT_EQ(state.fast_key, SDLK_F1);
    EXPECT_EQ(state.screenshot_key, SDLK_F2);
    EXPECT_EQ(state.escape_key, SDLK_ESCAPE);
    // Left the screen mid-sequence: kept, shown as they are, but not saved.
    EXPECT_STREQ(state.escape_key_text, "Escape");
    EXPECT_STREQ(state.fast_key_text, "F1");
    EXPECT_EQ(saved_line("fast_key"), "(no file)");
}

TEST_F(KeyConfigLoop, UtilityCaptureRefusesArrowsAndAcceptsEnter) {
    push_keys({SDLK_UP, SDLK_UP, SDLK_UP, SDLK_RETURN, SDLK_RETURN, SDLK_DOWN, SDLK_KP_ENTER,
               SDLK_ESCAPE, SDLK_F3, SDLK_F4});
    push_quit();
    run();
    EXPECT_EQ(state.fast_key, SDLK_RETURN);
    EXPECT_EQ(state.screenshot_key, SDLK_KP_ENTER);
    EXPECT_EQ(state.escape_key, SDLK_ESCAPE);
    EXPECT_EQ(state.turbo_hold_key, SDLK_F3);
    EXPECT_EQ(state.reset_key, SDLK_F4);
    EXPECT_EQ(saved_line("turbo_hold_key"), "turbo_hold_key=F3");
    expect_status_shown("KEY CONFIG SAVED");
}

// A comma in a name would split a slot's saved list, and a key that SDL names with an empty
// text cannot be named at all: neither is taken where the next start would lose it.
TEST_F(KeyConfigLoop, RefusesKeysWhoseSavedNamesWouldNotReadBack) {
    const SDL_Keycode unnamed = SDL_SCANCODE_TO_KEYCODE(SDL_SCANCODE_INTERNATIONAL1);
    ASSERT_STREQ(SDL_GetKeyName(unnamed), "");
    for (SDL_Keycode refused : {SDL_Keycode{SDLK_COMMA}, SDL_Keycode{SDLK_KP_COMMA}, unnamed}) {
        push_keys({SDLK_RETURN, refused});
        push_quit();
        run();
        expect_prompt_shown("PRESS A");
        expect_status_shown("KEY NAME CANNOT BE SAVED");
    }

    // A utility key is saved alone, where a comma reads back.
    push_keys({SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, unnamed, SDLK_COMMA, SDLK_KP_COMMA, SDLK_1,
               SDLK_2, SDLK_3});
    push_quit();
    run();
    expect_status_shown("KEY CONFIG SAVED");
    const MenuState reloaded = reloaded_state();
    EXPECT_EQ(reloaded.fast_key, SDLK_COMMA);
    EXPECT_EQ(reloaded.screenshot_key, SDLK_KP_COMMA);
    EXPECT_EQ(reloaded.escape_key, SDLK_1);
}

// SDL reports keycode 0 for keys the layout gives no character (LANG1, the conversion keys),
// and the settings file blanks a control character: a slot taking either would fall back
// to its defaults at the next start.
TEST_F(KeyConfigLoop, RefusesKeysWithoutARealNameAndTheSlotReadsBackAsCaptured) {
    SDL_Event no_keycode = gb_test::key_event(SDL_KEYDOWN, SDLK_UNKNOWN);
    no_keycode.key.keysym.scancode = SDL_SCANCODE_LANG1;
    SDL_Event control = gb_test::key_event(SDL_KEYDOWN, 1);
    push_keys({SDLK_RETURN, SDLK_q});
    ASSERT_EQ(SDL_PushEvent(&no_keycode), 1);
    ASSERT_EQ(SDL_PushEvent(&control), 1);
    push_quit();
    run();
    expect_prompt_shown("PRESS B");
    expect_status_shown("KEY NAME CANNOT BE SAVED");

    push_keys({SDLK_RETURN, SDLK_q});
    ASSERT_EQ(SDL_PushEvent(&no_keycode), 1);
    push_keys({SDLK_w});
    ASSERT_EQ(SDL_PushEvent(&control), 1);
    push_keys({SDLK_e, SDLK_r, SDLK_i, SDLK_j, SDLK_k, SDLK_l});
    push_quit();
    run();
    expect_status_shown("KEY CONFIG SAVED");
    const MenuState reloaded = reloaded_state();
    EXPECT_EQ(reloaded.slot1_keys, state.slot1_keys);
    EXPECT_EQ(reloaded.slot1_keys,
              (SlotKeys{SDLK_i, SDLK_j, SDLK_k, SDLK_l, SDLK_q, SDLK_w, SDLK_e, SDLK_r}));
}

TEST_F(KeyConfigLoop, CursorWrapsAndBackLeaves) {
    push_keys({SDLK_UP, SDLK_RETURN}); // from SLOT 1 KEYS up to BACK
    run();
    EXPECT_EQ(SDL_PollEvent(nullptr), 0);

    push_keys({SDLK_UP, SDLK_DOWN, SDLK_RETURN}); // from BACK down to SLOT 1 KEYS
    push_quit();
    run();
    expect_prompt_shown("PRESS A");
}

TEST_F(KeyConfigLoop, DownKeyBoundToUpMovesUp) {
    state.slot1_keys[2] = SDLK_DOWN;
    push_keys({SDLK_DOWN, SDLK_RETURN});
    run(); // up from the first row is BACK
}

TEST_F(KeyConfigLoop, ResetRestoresAndSavesTheDefaults) {
    state.slot2_keys.fill(SDLK_k);
    state.reset_key = SDLK_k;
    push_keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    push_quit();
    run();
    SlotKeys defaults;
    vortelan_gb_runtime_key_config_slot2_default(&defaults);
    EXPECT_EQ(state.slot2_keys, defaults);
    EXPECT_EQ(state.reset_key, SDLK_o);
    EXPECT_EQ(saved_line("slot2_keys"), "slot2_keys=D,A,W,S,G,H,R,T");
    expect_status_shown("KEY CONFIG RESET");
}

TEST_F(KeyConfigLoop, ReportsFailedSaves) {
    gb_test::ScopedEnvironment unwritable("GB_RUNTIME_KEY_CONFIG",
                                          directory.file("missing/dir/keys.conf"));
    push_keys({SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, SDLK_a, SDLK_b, SDLK_c, SDLK_d, SDLK_e});
    push_quit();
    run();
    expect_status_shown("KEY CONFIG SAVE FAILED");
    EXPECT_EQ(state.reset_key, SDLK_e) << "kept although not saved";

    push_keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    push_quit();
    run();
    expect_status_shown("KEY CONFIG RESET SAVE FAILED");
}

TEST_F(KeyConfigLoop, PadInputMustBeReleasedBeforeTheNextCapture) {
    gb_test::VirtualPad pad;
    push_keys({SDLK_RETURN});
    pad.button(0, true);  // A
    pad.button(1, true);  // ignored: button 0 is still held
    pad.button(0, false); // released
    pad.button(1, false);
    pad.button(1, true); // B
    push_keys({SDLK_BACKSPACE, SDLK_RETURN, SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN});
    push_quit();
    run();
    const std::string a_name = vortelan_gb_runtime_key_config_key_name(state.slot1_keys[4]);
    const std::string b_name = vortelan_gb_runtime_key_config_key_name(state.slot1_keys[5]);
    EXPECT_EQ(a_name.rfind("JOY@", 0), 0u) << a_name;
    EXPECT_EQ(a_name.substr(a_name.size() - 3), ":B0") << a_name;
    EXPECT_EQ(b_name.substr(b_name.size() - 3), ":B1") << b_name;
    EXPECT_EQ(state.slot1_keys[6], SDLK_BACKSPACE);
    expect_status_shown("KEY CONFIG SAVED");
}

// SDL itself reports the release of the buttons that a removed pad held down; a press whose
// release it never reports (pushed here, so that SDL's own state never held it) must not
// keep the capture waiting once its pad is gone.
TEST_F(KeyConfigLoop, UnpluggingThePadEndsTheWaitForItsRelease) {
    gb_test::VirtualPad held;
    gb_test::VirtualPad other;
    push_keys({SDLK_RETURN});
    SDL_Event press{};
    press.type = SDL_JOYBUTTONDOWN;
    press.jbutton.which = held.instance_id();
    press.jbutton.state = SDL_PRESSED;
    ASSERT_EQ(SDL_PushEvent(&press), 1); // A
    held.unplug();
    other.button(1, true); // B
    push_quit();
    run();
    const std::string b_name = vortelan_gb_runtime_key_config_key_name(state.key_config_pending[5]);
    EXPECT_TRUE(b_name.ends_with(":B1")) << b_name;
    expect_prompt_shown("PRESS SELECT");
}

// SDL reports a trigger resting at the low end of its axis; near that end it is let go.
TEST_F(KeyConfigLoop, ATriggerFillsOneStepWithItsPull) {
    gb_test::VirtualPad trigger(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 2, SDL_JOYSTICK_AXIS_MIN);
    push_keys({SDLK_RETURN});
    // Pulled through its travel and let go the same way.
    for (int value : {-24000, 0, 32767, 0, -24000, -32768}) {
        trigger.axis(2, static_cast<Sint16>(value));
    }
    push_keys({SDLK_x, SDLK_BACKSPACE, SDLK_RETURN, SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN});
    push_quit();
    run();
    const std::string a_name = vortelan_gb_runtime_key_config_key_name(state.slot1_keys[4]);
    EXPECT_TRUE(a_name.starts_with("JOY@") && a_name.ends_with(":A2+")) << a_name;
    EXPECT_EQ(state.slot1_keys,
              (SlotKeys{SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, state.slot1_keys[4], SDLK_x,
                        SDLK_BACKSPACE, SDLK_RETURN}));
    expect_status_shown("KEY CONFIG SAVED");
}

TEST_F(KeyConfigLoop, PadEscapeBindingIsCapturedDuringASlotCapture) {
    gb_test::VirtualPad pad;
    state.escape_key = gb_test::pad_button(SDL_CONTROLLER_BUTTON_B);
    push_keys({SDLK_RETURN});
    pad.button(1, true);
    push_quit();
    run();
    expect_prompt_shown("PRESS B");
    expect_status_shown("CONFIG SLOT1");
}

TEST_F(KeyConfigLoop, PadNavigatesWhileBrowsing) {
    gb_test::VirtualPad pad;
    state.slot1_keys[3] = gb_test::pad_button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.slot1_keys[4] = gb_test::pad_button(SDL_CONTROLLER_BUTTON_A);
    pad.press(12);
    pad.press(12);
    pad.press(0);
    push_quit();
    run();
    expect_prompt_shown("PRESS FAST");
}

TEST_F(KeyConfigLoop, KeyRepeatsAreNotCaptured) {
    push_keys({SDLK_RETURN});
    gb_test::push_key(SDLK_z);
    gb_test::push_key(SDLK_z, true);
    gb_test::push_key(SDLK_z, true);
    push_quit();
    run();
    expect_prompt_shown("PRESS B");
}

} // namespace
