#include "tests/app/menu_loop_fixture.h"

#include "runtime/text.h"
#include "tests/support/key_event.h"
#include "tests/support/temp_dir.h"
#include "ui/key_config_screen.h"

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <string>

namespace {

using gb_test::lines_starting;
using gb_test::MenuLoop;

int pending_events() {
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
}

using MenuFrame = MenuLoop;

TEST_F(MenuFrame, YesInTheDialogEndsTheLoopAndLeavesLaterEvents) {
    key(SDLK_ESCAPE);
    key(SDLK_RIGHT);
    key(SDLK_RETURN);
    key(SDLK_DOWN);
    std::string err = run_until_exit();
    EXPECT_EQ(lines_starting(err, "menu quit:"),
              (std::vector<std::string>{"menu quit: open confirm by escape binding/key",
                                        "menu quit: confirmed yes, exiting menu loop"}));
    EXPECT_EQ(state.row, MENU_ROW_START);
    EXPECT_EQ(pending_events(), 1);
}

TEST_F(MenuFrame, ControllerYesEndsTheLoop) {
    bind_controller();
    controller_button(SDL_CONTROLLER_BUTTON_Y);
    controller_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    controller_button(SDL_CONTROLLER_BUTTON_A);
    std::string err = run_until_exit();
    EXPECT_EQ(lines_starting(err, "menu quit:").back(),
              "menu quit: confirmed yes by controller, exiting menu loop");
}

TEST_F(MenuFrame, PlatformQuitEndsTheLoopAndLeavesLaterEvents) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    key(SDLK_DOWN);
    std::string err = run_until_exit();
    EXPECT_EQ(lines_starting(err, "menu "),
              std::vector<std::string>{"menu event: SDL_QUIT received, exiting menu loop"});
    EXPECT_EQ(state.row, MENU_ROW_START);
    EXPECT_EQ(pending_events(), 1);
}

TEST_F(MenuFrame, WindowAndDeviceEventsAreReported) {
    struct WindowCase {
        Uint8 id;
        const char *name;
    };
    const WindowCase windows[] = {{SDL_WINDOWEVENT_MOVED, "MOVED"},
                                  {SDL_WINDOWEVENT_NONE, "OTHER"},
                                  {SDL_WINDOWEVENT_CLOSE, "CLOSE"},
                                  {SDL_WINDOWEVENT_TAKE_FOCUS, "OTHER"}};
    std::vector<std::string> expected;
    for (const WindowCase &c : windows) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = c.id;
        event.window.windowID = 3;
        event.window.data1 = -5;
        event.window.data2 = 7;
        push(event);
        expected.push_back(std::string("menu event: SDL_WINDOWEVENT ") + c.name +
                           " window=3 data1=-5 data2=7");
    }
    const std::pair<Uint32, const char *> devices[] = {
        {SDL_JOYDEVICEADDED, "SDL_JOYDEVICEADDED"},
        {SDL_CONTROLLERDEVICEADDED, "SDL_CONTROLLERDEVICEADDED"},
        {SDL_CONTROLLERDEVICEREMOVED, "SDL_EVENT"}};
    for (const auto &[type, name] : devices) {
        SDL_Event event{};
        event.type = type;
        event.jdevice.which = 4242;
        push(event);
        expected.push_back(std::string("menu event: ") + name + " device changed");
    }
    EXPECT_EQ(lines_starting(run_one_frame(), "menu "), expected);
}

// Counts the times a file in the folder was finished writing or moved into place (Linux's
// inotify; elsewhere the count is not checked).
#ifdef __linux__
class WriteWatch {
  public:
    explicit WriteWatch(const std::string &folder) {
        fd = inotify_init1(IN_NONBLOCK);
        inotify_add_watch(fd, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~WriteWatch() { close(fd); }
    int count(const std::string &name) {
        alignas(inotify_event) char buffer[4096];
        int found = 0;
        for (ssize_t size; (size = read(fd, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + size;) {
                auto *event = reinterpret_cast<inotify_event *>(at);
                if (event->len > 0 && name == event->name) {
                    ++found;
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return found;
    }

  private:
    int fd;
};
#else
struct WriteWatch {
    explicit WriteWatch(const std::string &) {}
    int count(const std::string &) { return -1; }
};
#endif

TEST_F(MenuFrame, TwoScaleChangesInOneFrameSaveAndApplyOnce) {
    state.row = MENU_ROW_DISPLAY_SCALE;
    WriteWatch watch(folder.path().string());
    key(SDLK_RIGHT);
    key(SDLK_RIGHT);
    run_one_frame();
    int writes = watch.count("keys.conf");
    EXPECT_TRUE(writes == 1 || writes == -1) << writes;
    EXPECT_EQ(state.display_scale, 2u);
    EXPECT_EQ(state.display_scale_changed, 0);
    EXPECT_STREQ(state.status, "DISPLAY SCALE SAVED");
    EXPECT_NE(gb_test::read_text_file(settings_path()).find("\ndisplay_scale=2\n"),
              std::string::npos);
    EXPECT_EQ(factor, 2);
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 960);
    // Read back through SDL: on Windows SDL_setenv writes the system's environment, which
    // the C runtime's own copy does not follow.
    EXPECT_STREQ(SDL_getenv("VORTELAN_EMULATOR_DISPLAY_SCALE"), "2");

    // A frame without a change writes nothing.
    key(SDLK_UP);
    run_one_frame();
    writes = watch.count("keys.conf");
    EXPECT_TRUE(writes == 0 || writes == -1) << writes;
}

TEST_F(MenuFrame, AFailedScaleSaveStillResizesTheWindow) {
    setenv("GB_RUNTIME_KEY_CONFIG", folder.file("missing/deeper/keys.conf").c_str(), 1);
    state.row = MENU_ROW_DISPLAY_SCALE;
    state.display_scale = 2;
    key(SDLK_LEFT);
    run_one_frame();
    EXPECT_STREQ(state.status, "DISPLAY SCALE SAVE FAILED");
    EXPECT_EQ(state.display_scale, 1u);
    EXPECT_EQ(state.display_scale_changed, 0);
    EXPECT_EQ(factor, 1);
    factor = 3; // the window was last sized for another factor
    key(SDLK_RIGHT);
    key(SDLK_LEFT);
    run_one_frame();
    EXPECT_EQ(factor, 1);
}

// START runs the sub-screen, which takes the next key (Escape) to go back; the menu then
// shows READY whatever the screen left.
TEST_F(MenuFrame, StartRunsTheSubScreenOfItsMode) {
    const std::pair<MenuMode, const char *> screens[] = {
        {MENU_MODE_KEY_CONFIG, "menu action: open key config"},
        {MENU_MODE_SCREENSHOT_VIEW, "menu action: open screenshot viewer"}};
    for (const auto &[mode, line] : screens) {
        state.mode = mode;
        state.row = MENU_ROW_START;
        vortelan_gb_runtime_copy_text(state.status, sizeof state.status, "SOMETHING ELSE");
        key(SDLK_RETURN);
        key(SDLK_ESCAPE);
        std::string err = run_one_frame();
        EXPECT_EQ(lines_starting(err, "menu action:"), std::vector<std::string>{line});
        EXPECT_STREQ(state.status, "READY");
        EXPECT_EQ(state.quit_confirm, 0) << "the Escape belonged to the screen";
        EXPECT_EQ(state.row, MENU_ROW_START);
    }
}

SDL_Event window_event(Uint8 change) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = change;
    return event;
}

SDL_Event press(SDL_Keycode code, bool repeat = false) {
    return gb_test::key_event(SDL_KEYDOWN, code, repeat);
}

// A screen left alone presents its first frame and nothing more; every change the player
// could see is presented once, and so is a window whose picture was lost.
TEST_F(MenuFrame, PresentsOnlyWhenThePictureWouldChange) {
    SDL_Event device{};
    device.type = SDL_JOYDEVICEADDED;
    device.jdevice.which = 4242;
    SDL_Event mouse{};
    mouse.type = SDL_MOUSEMOTION;
    struct RedrawCase {
        const char *name;
        bool key_config; // the key configuration screen's loop instead of the menu's
        MenuRow row;
        MenuMode mode;
        std::vector<std::vector<SDL_Event>> batches;
        int presents;
    };
    const RedrawCase cases[] = {
        {"left alone", false, MENU_ROW_START, MENU_MODE_SELF, {}, 1},
        {"events that change nothing",
         false,
         MENU_ROW_START,
         MENU_MODE_SELF,
         {{gb_test::key_event(SDL_KEYUP, SDLK_DOWN), press(SDLK_F5), mouse,
           window_event(SDL_WINDOWEVENT_MOVED), window_event(SDL_WINDOWEVENT_ENTER)}},
         1},
        {"a move", false, MENU_ROW_START, MENU_MODE_SELF, {{press(SDLK_DOWN)}}, 2},
        {"the same status twice",
         false,
         MENU_ROW_MODE,
         MENU_MODE_SELF,
         {{press(SDLK_F2)}, {press(SDLK_F2)}},
         2},
        {"exposed, then restored",
         false,
         MENU_ROW_START,
         MENU_MODE_SELF,
         {{window_event(SDL_WINDOWEVENT_EXPOSED)}, {window_event(SDL_WINDOWEVENT_RESTORED)}},
         3},
        {"a device", false, MENU_ROW_START, MENU_MODE_SELF, {{device}}, 2},
        {"held on RTC OFFSET",
         false,
         MENU_ROW_RTC_OFFSET,
         MENU_MODE_SELF,
         {{press(SDLK_RIGHT, true)}, {press(SDLK_RIGHT, true)}, {press(SDLK_RIGHT, true)}},
         4},
        {"held on SPEED", false, MENU_ROW_SPEED, MENU_MODE_SELF, {{press(SDLK_RIGHT, true)}}, 1},
        {"a scale change", false, MENU_ROW_DISPLAY_SCALE, MENU_MODE_SELF, {{press(SDLK_RIGHT)}}, 2},
        // The menu, the screen's first frame, the menu again once the screen is left.
        {"a sub-screen",
         false,
         MENU_ROW_START,
         MENU_MODE_KEY_CONFIG,
         {{press(SDLK_RETURN)}, {press(SDLK_ESCAPE)}},
         3},
        {"key config left alone", true, MENU_ROW_START, MENU_MODE_SELF, {}, 1},
        {"key config: a move, an unbound key, an exposed window",
         true,
         MENU_ROW_START,
         MENU_MODE_SELF,
         {{press(SDLK_DOWN)}, {press(SDLK_F5)}, {window_event(SDL_WINDOWEVENT_EXPOSED)}},
         3},
    };
    for (const RedrawCase &c : cases) {
        SCOPED_TRACE(c.name);
        reset_state();
        state.row = c.row;
        state.mode = c.mode;
        const int presents = count_presents(c.batches, [&] {
            if (c.key_config) {
                vortelan_gb_runtime_key_config_menu_run(renderer, window, &state);
            } else {
                run_until_exit();
            }
        });
        EXPECT_EQ(presents, c.presents);
        if (c.row == MENU_ROW_RTC_OFFSET) {
            EXPECT_EQ(state.rtc_offset_minutes, 3);
        }
    }
}

} // namespace
