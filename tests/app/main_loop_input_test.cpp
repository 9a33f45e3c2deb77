#include "tests/app/menu_loop_fixture.h"

#include "input/binding_code.h"
#include "runtime/text.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using gb_test::MenuLoop;

// One frame of input: how the state is set before, what is pushed, the menu's diagnostic
// lines (each given as the start of the line, "menu event:" lines left out) and the state after.
struct InputCase {
    std::string name;
    std::function<void(MenuState &)> arrange;
    std::function<void(MenuLoop &)> input;
    std::vector<std::string> lines;
    std::function<void(const MenuState &)> check;
};

void PrintTo(const InputCase &c, std::ostream *out) {
    *out << c.name;
}

std::function<void(MenuLoop &)> keys(std::vector<SDL_Keycode> codes) {
    return [codes](MenuLoop &loop) {
        for (SDL_Keycode code : codes) {
            loop.key(code);
        }
    };
}

std::function<void(MenuState &)> at(MenuRow row, MenuMode mode = MENU_MODE_SELF) {
    return [row, mode](MenuState &state) {
        state.row = row;
        state.mode = mode;
    };
}

// "menu input:" for the test state (no editing) with the dialog flags given.
std::string input_line(const char *source, const char *row, const char *mode, const char *mask,
                       int quit_confirm = 0, int quit_yes = 0) {
    return std::string("menu input: source=") + source + " row=" + row + " mode=" + mode +
           " button_mask=" + mask + " editing=0 quit_confirm=" + std::to_string(quit_confirm) +
           " quit_yes=" + std::to_string(quit_yes);
}

std::string keyboard(const char *row, const char *mask, const char *mode = "SELF") {
    return input_line("keyboard", row, mode, mask);
}

std::string in_dialog(const char *mask, int quit_yes = 0) {
    return input_line("keyboard quit confirm", "0(START)", "SELF", mask, 1, quit_yes);
}

std::string pad(const char *row, const char *mask, int quit_confirm = 0, int quit_yes = 0) {
    return input_line("controller/joystick", row, "SELF", mask, quit_confirm, quit_yes);
}

class MenuInput : public MenuLoop, public testing::WithParamInterface<InputCase> {};

TEST_P(MenuInput, ActsAndReports) {
    const InputCase &c = GetParam();
    if (c.arrange) {
        c.arrange(state);
    }
    c.input(*this);
    std::string err = run_one_frame();
    std::vector<std::string> seen;
    for (const std::string &line : gb_test::lines_starting(err, "menu ")) {
        if (line.rfind("menu event:", 0) != 0) {
            seen.push_back(line);
        }
    }
    ASSERT_EQ(seen.size(), c.lines.size()) << err;
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].rfind(c.lines[i], 0), 0u) << "line " << i << ": " << seen[i];
    }
    c.check(state);
}

const InputCase cases[] = {
    {"UpOnStartWrapsToDisplayScale",
     at(MENU_ROW_START),
     keys({SDLK_UP}),
     {keyboard("0(START)", "0x04"),
      "menu state: after keyboard up row=10(DISPLAY SCALE) mode=SELF editing=0 quit_confirm=0 "
      "quit_yes=0 slot1='a.gb' slot2='' speed=x1 scale=0 host='10.0.0.5' port='25100' "
      "discover=AUTOMATIC client_cart=UPLOAD SLOT1 status='READY'"},
     [](const MenuState &s) { EXPECT_EQ(s.row, MENU_ROW_DISPLAY_SCALE); }},
    {"DownOnDisplayScaleWrapsToStart",
     at(MENU_ROW_DISPLAY_SCALE),
     keys({SDLK_DOWN}),
     {keyboard("10(DISPLAY SCALE)", "0x08"), "menu state: after keyboard down row=0(START)"},
     [](const MenuState &s) { EXPECT_EQ(s.row, MENU_ROW_START); }},
    {"DownKeyBoundToUpMovesUp",
     [](MenuState &s) {
         s.row = MENU_ROW_DISCOVER;
         s.slot1_keys[2] = SDLK_DOWN;
     },
     keys({SDLK_DOWN}),
     {keyboard("5(DISCOVER)", "0x0C"), "menu state: after keyboard up row=4(SPEED)"},
     [](const MenuState &s) { EXPECT_EQ(s.row, MENU_ROW_SPEED); }},
    {"ReturnOnDiscoverActsAsRight",
     at(MENU_ROW_DISCOVER),
     keys({SDLK_RETURN}),
     {keyboard("5(DISCOVER)", "0x90"), "menu state: activate selected row=5(DISCOVER)",
      "menu action: activate non-start row, cycle selected row=5(DISCOVER)",
      "menu state: after non-start activate cycle row=5(DISCOVER) mode=SELF editing=0 "
      "quit_confirm=0 quit_yes=0 slot1='a.gb' slot2='' speed=x1 scale=0 host='10.0.0.5' "
      "port='25100' discover=MANUAL"},
     [](const MenuState &s) { EXPECT_EQ(s.discover, 0); }},
    {"KeypadEnterOnClientCartToggles",
     at(MENU_ROW_CLIENT_CART),
     keys({SDLK_KP_ENTER}),
     {keyboard("8(CLIENT CART)", "0x10"), "menu state: activate selected",
      "menu action: activate non-start row, cycle selected row=8(CLIENT CART)",
      "menu state: after non-start activate cycle"},
     [](const MenuState &s) { EXPECT_EQ(s.client_cart, 0); }},
    {"BoundLetterIsItsButton",
     at(MENU_ROW_SLOT2_CART),
     keys({SDLK_z}),
     {keyboard("2(SLOT2 CART)", "0x10"), "menu state: activate selected",
      "menu action: activate non-start row", "menu state: after non-start activate cycle"},
     [](const MenuState &s) { EXPECT_STREQ(s.slot2_cart, "a.gb"); }},
    {"RightOnModeEntersLanRemoteWithItsPort",
     at(MENU_ROW_MODE, MENU_MODE_CLIENT),
     keys({SDLK_RIGHT}),
     {keyboard("3(MODE)", "0x01", "CLIENT"),
      "menu state: after keyboard right row=3(MODE) mode=LAN REMOTE"},
     [](const MenuState &s) {
         EXPECT_EQ(s.mode, MENU_MODE_LAN_REMOTE);
         EXPECT_STREQ(s.port, "25170");
     }},
    {"LeftOnSlot1WrapsToTheLastCartridge",
     at(MENU_ROW_SLOT1_CART),
     keys({SDLK_LEFT}),
     {keyboard("1(SLOT1 CART)", "0x02"), "menu state: after keyboard left row=1(SLOT1 CART)"},
     [](const MenuState &s) { EXPECT_STREQ(s.slot1_cart, "c.gb"); }},
    {"UnboundKeyDoesNothing",
     at(MENU_ROW_MODE),
     keys({SDLK_q, SDLK_F5}),
     {},
     [](const MenuState &s) {
         EXPECT_EQ(s.row, MENU_ROW_MODE);
         EXPECT_EQ(s.mode, MENU_MODE_SELF);
     }},
    {"StartInAPlayModeOnlyPointsToTheClient",
     at(MENU_ROW_START, MENU_MODE_LAN_REMOTE),
     keys({SDLK_KP_ENTER}),
     {keyboard("0(START)", "0x10", "LAN REMOTE"), "menu state: activate selected row=0(START)",
      "menu state: standalone launch rejected row=0(START) mode=LAN REMOTE"},
     [](const MenuState &s) { EXPECT_STREQ(s.status, "START FROM VORTELAN CLIENT"); }},
    {"F2OnARowWithoutTextExplains",
     at(MENU_ROW_MODE),
     keys({SDLK_F2}),
     {},
     [](const MenuState &s) {
         EXPECT_EQ(s.editing, 0);
         EXPECT_STREQ(s.status, "F2 EDITS CART HOST PORT");
     }},
    {"EditingThePort",
     at(MENU_ROW_PORT),
     [](MenuLoop &loop) {
         loop.key(SDLK_F2);
         loop.key(SDLK_BACKSPACE);
         loop.key(SDLK_BACKSPACE);
         loop.text("7");
         loop.key(SDLK_KP_ENTER); // does not end editing
         loop.key(SDLK_DOWN);     // nor do the arrows move
         loop.text("7");
         loop.key(SDLK_RETURN);
         loop.text("9"); // no longer editing
     },
     {},
     [](const MenuState &s) {
         EXPECT_STREQ(s.port, "25177");
         EXPECT_EQ(s.editing, 0);
         EXPECT_EQ(s.row, MENU_ROW_PORT);
     }},
    {"BackspaceTakesAWholeCharacter",
     [](MenuState &s) {
         s.row = MENU_ROW_HOST;
         vortelan_gb_runtime_copy_text(s.host, sizeof s.host, "h\xC3\xA9\xE2\x82\xAC");
     },
     keys({SDLK_F2, SDLK_BACKSPACE, SDLK_BACKSPACE}),
     {},
     [](const MenuState &s) {
         EXPECT_STREQ(s.host, "h");
         EXPECT_EQ(s.editing, 1);
     }},
    {"BackspaceOnEmptyTextKeepsItEmpty",
     [](MenuState &s) {
         s.row = MENU_ROW_SLOT2_CART;
         s.slot2_cart[0] = '\0';
     },
     keys({SDLK_F2, SDLK_BACKSPACE}),
     {},
     [](const MenuState &s) { EXPECT_STREQ(s.slot2_cart, ""); }},
    {"TypingNeedsEditing",
     at(MENU_ROW_PORT),
     [](MenuLoop &loop) { loop.text("9"); },
     {},
     [](const MenuState &s) { EXPECT_STREQ(s.port, "25100"); }},
    {"EscapeWhileEditingOnlyClosesEditing",
     at(MENU_ROW_PORT),
     keys({SDLK_F2, SDLK_ESCAPE}),
     {"menu edit: escape closes editing row=7(PORT)"},
     [](const MenuState &s) {
         EXPECT_EQ(s.editing, 0);
         EXPECT_EQ(s.quit_confirm, 0);
     }},
    {"HeldRightRunsTheRtcOffset",
     at(MENU_ROW_RTC_OFFSET),
     [](MenuLoop &loop) {
         loop.key(SDLK_RIGHT);
         for (int i = 0; i < 3; ++i) {
             loop.key(SDLK_RIGHT, true);
         }
     },
     {keyboard("9(RTC OFFSET)", "0x01"), "menu state: after keyboard right row=9(RTC OFFSET)"},
     [](const MenuState &s) { EXPECT_EQ(s.rtc_offset_minutes, 4); }},
    {"HeldLeftRunsTheRtcOffsetBack",
     at(MENU_ROW_RTC_OFFSET),
     [](MenuLoop &loop) {
         loop.key(SDLK_LEFT);
         loop.key(SDLK_LEFT, true);
     },
     {keyboard("9(RTC OFFSET)", "0x02"), "menu state: after keyboard left"},
     [](const MenuState &s) { EXPECT_EQ(s.rtc_offset_minutes, -2); }},
    {"HeldRightStepsTheSpeedOnce",
     at(MENU_ROW_SPEED),
     [](MenuLoop &loop) {
         loop.key(SDLK_RIGHT);
         for (int i = 0; i < 3; ++i) {
             loop.key(SDLK_RIGHT, true);
         }
     },
     {keyboard("4(SPEED)", "0x01"), "menu state: after keyboard right row=4(SPEED)"},
     [](const MenuState &s) { EXPECT_EQ(s.speed, 2u); }},
    {"HeldKeysDoNothingInTheDialog",
     [](MenuState &s) {
         s.row = MENU_ROW_RTC_OFFSET;
         s.quit_confirm = 1;
     },
     [](MenuLoop &loop) { loop.key(SDLK_RIGHT, true); },
     {},
     [](const MenuState &s) {
         EXPECT_EQ(s.rtc_offset_minutes, 0);
         EXPECT_EQ(s.quit_yes, 0);
     }},
    {"EscapeOpensTheDialogOnNo",
     [](MenuState &s) { s.quit_yes = 1; },
     keys({SDLK_ESCAPE}),
     {"menu quit: open confirm by escape binding/key"},
     [](const MenuState &s) {
         EXPECT_EQ(s.quit_confirm, 1);
         EXPECT_EQ(s.quit_yes, 0);
     }},
    {"ReturnOnNoClosesTheDialog",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_RETURN}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x90"),
      "menu quit: selected no, close confirm"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"KeypadEnterIsAInTheDialog",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_KP_ENTER}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x10"),
      "menu quit: selected no, close confirm"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"SecondEscapeCancelsTheDialog",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_ESCAPE}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x00"),
      "menu quit: canceled by escape"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"SideArrowsToggleTheChoiceSilently",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_LEFT, SDLK_RIGHT, SDLK_LEFT}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x02"), in_dialog("0x01", 1),
      in_dialog("0x02")},
     [](const MenuState &s) {
         EXPECT_EQ(s.quit_confirm, 1);
         EXPECT_EQ(s.quit_yes, 1);
     }},
    {"ALetterInTheDialogIsA",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_z}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x10"),
      "menu quit: selected no, close confirm"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"UnboundKeyInTheDialogIsOnlyReported",
     nullptr,
     keys({SDLK_ESCAPE, SDLK_q}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x00")},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 1); }},
    {"AnotherEscapeBindingOpensAndCancels",
     [](MenuState &s) { s.escape_key = SDLK_q; },
     keys({SDLK_q, SDLK_q, SDLK_ESCAPE, SDLK_ESCAPE}),
     {"menu quit: open confirm by escape binding/key", in_dialog("0x00"),
      "menu quit: canceled by escape", "menu quit: open confirm by escape binding/key",
      in_dialog("0x00"), "menu quit: canceled by escape"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"ControllerUpOnStartWraps",
     [](MenuState &s) { s.row = MENU_ROW_START; },
     [](MenuLoop &loop) {
         loop.bind_controller();
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_UP);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
     },
     {pad("0(START)", "0x04"), "menu state: after controller up row=10(DISPLAY SCALE)"},
     [](const MenuState &s) { EXPECT_EQ(s.row, MENU_ROW_DISPLAY_SCALE); }},
    {"ControllerCyclesAndActivates",
     at(MENU_ROW_MODE),
     [](MenuLoop &loop) {
         loop.bind_controller();
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
         loop.controller_button(SDL_CONTROLLER_BUTTON_A);
     },
     {pad("3(MODE)", "0x01"), "menu state: after controller right row=3(MODE) mode=SERVER1",
      input_line("controller/joystick", "3(MODE)", "SERVER1", "0x01"),
      "menu state: after controller right row=3(MODE) mode=SERVER2",
      input_line("controller/joystick", "3(MODE)", "SERVER2", "0x02"),
      "menu state: after controller left row=3(MODE) mode=SERVER1",
      input_line("controller/joystick", "3(MODE)", "SERVER1", "0x08"),
      "menu state: after controller down row=4(SPEED)",
      input_line("controller/joystick", "4(SPEED)", "SERVER1", "0x10"),
      "menu state: activate selected row=4(SPEED)",
      "menu action: activate non-start row, cycle selected row=4(SPEED)",
      "menu state: after non-start activate cycle row=4(SPEED) mode=SERVER1"},
     [](const MenuState &s) {
         EXPECT_EQ(s.mode, MENU_MODE_SERVER1);
         EXPECT_STREQ(s.status, "SPEED SELF ONLY");
     }},
    {"ControllerEscapeOpensAndCancels",
     nullptr,
     [](MenuLoop &loop) {
         loop.bind_controller();
         loop.controller_button(SDL_CONTROLLER_BUTTON_Y);
         loop.controller_button(SDL_CONTROLLER_BUTTON_Y, false);
         loop.controller_button(SDL_CONTROLLER_BUTTON_Y);
     },
     {"menu quit: open confirm by controller escape binding event=SDL_CONTROLLERBUTTONDOWN",
      "menu quit: canceled by controller escape binding event=SDL_CONTROLLERBUTTONDOWN"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"ControllerToggleThenNo",
     nullptr,
     [](MenuLoop &loop) {
         loop.bind_controller();
         loop.controller_button(SDL_CONTROLLER_BUTTON_Y);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
         loop.controller_button(SDL_CONTROLLER_BUTTON_A);
     },
     {"menu quit: open confirm by controller escape binding", pad("0(START)", "0x02", 1, 0),
      "menu state: after controller quit confirm toggle row=0(START) mode=SELF editing=0 "
      "quit_confirm=1 quit_yes=1",
      pad("0(START)", "0x01", 1, 1),
      "menu state: after controller quit confirm toggle row=0(START) mode=SELF editing=0 "
      "quit_confirm=1 quit_yes=0",
      pad("0(START)", "0x10", 1, 0), "menu quit: selected no by controller, close confirm"},
     [](const MenuState &s) { EXPECT_EQ(s.quit_confirm, 0); }},
    {"ControllerIsIgnoredWhileEditing",
     at(MENU_ROW_HOST),
     [](MenuLoop &loop) {
         loop.bind_controller();
         loop.key(SDLK_F2);
         loop.controller_button(SDL_CONTROLLER_BUTTON_Y);
         loop.controller_button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
     },
     {},
     [](const MenuState &s) {
         EXPECT_EQ(s.editing, 1);
         EXPECT_EQ(s.quit_confirm, 0);
         EXPECT_EQ(s.row, MENU_ROW_HOST);
     }},
    {"HeldAxisActsOnEveryMotionPastTheThreshold",
     nullptr,
     [](MenuLoop &loop) {
         loop.state.slot1_keys[3] = vortelan_gb_runtime_key_config_code_from_joystick_axis(1, 1);
         loop.joystick_axis(1, 20000);
         loop.joystick_axis(1, 25000);
         loop.joystick_axis(1, 3000);
     },
     {pad("0(START)", "0x08"), "menu state: after controller down row=1(SLOT1 CART)",
      pad("1(SLOT1 CART)", "0x08"), "menu state: after controller down row=2(SLOT2 CART)"},
     [](const MenuState &s) { EXPECT_EQ(s.row, MENU_ROW_SLOT2_CART); }},
};

INSTANTIATE_TEST_SUITE_P(Frame, MenuInput, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<InputCase> &param_info) {
                             return param_info.param.name;
                         });

} // namespace
