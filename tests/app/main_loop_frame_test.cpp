#include "tests/app/menu_loop_fixture.h"

#include "runtime/text.h"
#include "tests/support/temp_dir.h"

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

} // namespace
