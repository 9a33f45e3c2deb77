#include "ui/screenshot_viewer.h"

#include "tests/support/temp_dir.h"
#include "tests/ui/canvas.h"
#include "tests/ui/screen_fixture.h"
#include "tests/ui/screenshot_files.h"
#include "tests/ui/virtual_pad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using gb_test::push_key;
using gb_test::push_keys;
using gb_test::push_quit;
namespace colors = gb_test::colors;

class ScreenshotViewerLoop : public gb_test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        std::filesystem::create_directory(directory.path() / "screenshot");
        vortelan_gb_runtime_key_config_slot1_default(&slot_keys);
    }

    void add_pictures(std::initializer_list<const char *> names) {
        for (const char *name : names) {
            gb_test::write_plain_picture(path(name));
        }
    }
    std::string path(const std::string &name) const { return directory.file("screenshot/" + name); }
    bool exists(const std::string &name) const {
        return std::filesystem::exists(gb_test::utf8_path(path(name)));
    }

    void run(const SlotKeys *keys) {
        vortelan_gb_runtime_screenshot_viewer_run(canvas->renderer(), nullptr, keys, escape_code);
    }
    void run() { run(&slot_keys); }

    // Whether the viewer left before reaching the quit request that ends every test.
    static bool left_early() {
        bool quit_pending = false;
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            quit_pending = quit_pending || event.type == SDL_QUIT;
        }
        return quit_pending;
    }

    // The last frame that the viewer drew.
    void expect_shown(const std::string &counter, const std::string &name,
                      const std::string &message) const {
        gb_test::expect_region_shows(*canvas, {22, 398, 90, 14},
                                     {22, 398, counter, 2, colors::label}, colors::background);
        gb_test::expect_region_shows(*canvas, {116, 402, 364, 7},
                                     {116, 402, name, 1, colors::value}, colors::background);
        gb_test::expect_region_shows(*canvas, {22, 424, 458, 7}, {22, 424, message, 1, colors::dim},
                                     colors::background);
    }
    void expect_empty_screen() const {
        gb_test::expect_region_shows(*canvas, {86, 208, 394, 21},
                                     {86, 208, "NO SCREENSHOTS", 3, colors::label},
                                     colors::background);
    }

    gb_test::TempDir directory;
    gb_test::ScopedWorkingDirectory working_directory{directory.path()};
    SlotKeys slot_keys;
    BindingCode escape_code = SDLK_ESCAPE;
};

const std::string first_message = "SCREENSHOT/ STORES SELF MODE CAPTURES";

TEST_F(ScreenshotViewerLoop, OpensOnTheLastNameAndWrapsAround) {
    add_pictures({"b.bmp", "a.bmp", "c.bmp"});
    gb_test::write_file(path("notes.txt"), "not listed");
    push_quit();
    run();
    expect_shown("3/3", "c.bmp", first_message);

    push_keys({SDLK_RIGHT});
    push_quit();
    run();
    expect_shown("1/3", "a.bmp", first_message);

    push_keys({SDLK_DOWN, SDLK_LEFT, SDLK_UP, SDLK_UP});
    push_quit();
    run();
    expect_shown("1/3", "a.bmp", first_message);
}

TEST_F(ScreenshotViewerLoop, SlotBindingsStepToo) {
    add_pictures({"a.bmp", "b.bmp", "c.bmp"});
    push_keys({SDLK_a, SDLK_a, SDLK_w}); // slot 1 LEFT, LEFT, UP: back three
    push_quit();
    run();
    expect_shown("3/3", "c.bmp", first_message);
    slot_keys[0] = SDLK_a; // RIGHT
    push_keys({SDLK_a});
    push_quit();
    run();
    expect_shown("1/3", "a.bmp", first_message);
    push_keys({SDLK_a}); // without bindings the key means nothing
    push_quit();
    run(nullptr);
    expect_shown("3/3", "c.bmp", first_message);
}

TEST_F(ScreenshotViewerLoop, HeldKeyRepeatsDoNotStep) {
    add_pictures({"a.bmp", "b.bmp", "c.bmp"});
    push_key(SDLK_LEFT);
    push_key(SDLK_LEFT, true);
    push_key(SDLK_LEFT, true);
    push_key(SDLK_d, true);
    push_quit();
    run();
    expect_shown("2/3", "b.bmp", first_message);
}

TEST_F(ScreenshotViewerLoop, NoKeepsTheFile) {
    add_pictures({"a.bmp", "b.bmp"});
    push_keys({SDLK_d, SDLK_RETURN});
    push_quit();
    run();
    EXPECT_TRUE(exists("b.bmp"));
    expect_shown("2/2", "b.bmp", "DELETE CANCELED");
    EXPECT_EQ(canvas->at(48, 160), colors::background) << "dialog closed";
}

TEST_F(ScreenshotViewerLoop, YesDeletesTheFileShown) {
    add_pictures({"a.bmp", "b.bmp", "c.bmp"});
    push_keys({SDLK_LEFT, SDLK_BACKSPACE, SDLK_RIGHT, SDLK_KP_ENTER});
    push_quit();
    run();
    EXPECT_FALSE(exists("b.bmp"));
    EXPECT_TRUE(exists("a.bmp"));
    EXPECT_TRUE(exists("c.bmp"));
    expect_shown("2/2", "c.bmp", "DELETED"); // the index stays

    push_keys({SDLK_DELETE, SDLK_UP, SDLK_RETURN}); // the last one: the new last is shown
    push_quit();
    run();
    EXPECT_FALSE(exists("c.bmp"));
    expect_shown("1/1", "a.bmp", "DELETED");
}

// Named in letters of no single ANSI code page: listed, shown and deleted by that name.
TEST_F(ScreenshotViewerLoop, ShowsAndDeletesAPictureNamedInAnyLetters) {
    const std::string name = "\xe7\x94\xbb\xe9\x9d\xa2-\xc3\xa9.bmp";
    gb_test::write_picture(path(name), 16, 16, [](int, int) { return 0xFF3080C0u; });
    push_quit();
    run();
    EXPECT_EQ(canvas->at(240, 235), 0xFF3080C0u) << "the picture is drawn";
    push_keys({SDLK_DELETE, SDLK_LEFT, SDLK_RETURN});
    push_quit();
    run();
    EXPECT_FALSE(exists(name));
    expect_empty_screen();
}

TEST_F(ScreenshotViewerLoop, DeletingTheOnlyFileEmptiesTheListAndAnyKeyLeaves) {
    add_pictures({"only.bmp"});
    push_keys({SDLK_d, SDLK_LEFT, SDLK_RETURN, SDLK_x});
    push_quit();
    run();
    EXPECT_FALSE(exists("only.bmp"));
    expect_empty_screen();
    EXPECT_TRUE(left_early());
}

TEST_F(ScreenshotViewerLoop, FailedDeletionKeepsTheList) {
    add_pictures({"a.bmp"});
    std::filesystem::create_directory(path("folder.bmp"));
    push_keys({SDLK_d, SDLK_LEFT, SDLK_RETURN});
    push_quit();
    run();
    expect_shown("2/2", "folder.bmp", "DELETE FAILED");
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.bmp")));
}

struct LeaveCase {
    const char *label;
    std::vector<SDL_Keycode> keys;
    bool left_early;
    const char *message;
};

void PrintTo(const LeaveCase &c, std::ostream *out) {
    *out << c.label;
}

class ViewerKeys : public ScreenshotViewerLoop, public testing::WithParamInterface<LeaveCase> {};

TEST_P(ViewerKeys, LeaveOrCancel) {
    const LeaveCase &c = GetParam();
    add_pictures({"a.bmp"});
    escape_code = SDLK_q;
    for (SDL_Keycode key : c.keys) {
        push_key(key);
    }
    push_quit();
    run();
    EXPECT_EQ(left_early(), c.left_early);
    expect_shown("1/1", "a.bmp", c.message);
    EXPECT_TRUE(exists("a.bmp"));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ViewerKeys,
    testing::Values(
        LeaveCase{"escape_key_leaves", {SDLK_ESCAPE}, true, first_message.c_str()},
        LeaveCase{"escape_binding_leaves", {SDLK_q}, true, first_message.c_str()},
        LeaveCase{"return_leaves", {SDLK_RETURN}, true, first_message.c_str()},
        LeaveCase{"slot_a_leaves", {SDLK_z}, true, first_message.c_str()},
        LeaveCase{"other_key_is_ignored", {SDLK_F5}, false, first_message.c_str()},
        LeaveCase{"escape_key_cancels_dialog", {SDLK_d, SDLK_ESCAPE}, false, "DELETE CANCELED"},
        LeaveCase{
            "escape_binding_cancels_dialog", {SDLK_d, SDLK_LEFT, SDLK_q}, false, "DELETE CANCELED"},
        LeaveCase{"other_key_keeps_dialog", {SDLK_d, SDLK_F5}, false, "CONFIRM DELETE"}),
    gb_test::CaseLabel());

TEST_F(ScreenshotViewerLoop, WindowComingBackStopsTextInputAndChangesNothing) {
    add_pictures({"a.bmp", "b.bmp"});
    SDL_Window *window = SDL_CreateWindow("viewer", 0, 0, 480, 480, 0);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_StartTextInput();
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    event.window.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&event);
    push_keys({SDLK_LEFT});
    push_quit();
    vortelan_gb_runtime_screenshot_viewer_run(canvas->renderer(), window, &slot_keys, escape_code);
    EXPECT_FALSE(SDL_IsTextInputActive());
    EXPECT_FALSE(left_early());
    expect_shown("1/2", "a.bmp", first_message);
    SDL_DestroyWindow(window);
}

// The dummy video driver saves every frame presented on a window as a file in the working
// directory.
TEST_F(ScreenshotViewerLoop, DrawsAgainOnlyWhenTheWindowsPictureWasLost) {
    add_pictures({"a.bmp"});
    SDL_Window *window = SDL_CreateWindow("viewer", 0, 0, 480, 480, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_Renderer *renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const gb_test::ScopedEnvironment save_frames("SDL_VIDEO_DUMMY_SAVE_FRAMES", "1");
    const auto saved_frames = [&] {
        int count = 0;
        for (const auto &entry : std::filesystem::directory_iterator(directory.path())) {
            count += entry.is_regular_file() ? 1 : 0;
        }
        return count;
    };
    struct FrameCase {
        const char *name;
        std::vector<Uint8> changes;
        int frames; // the first frame included
    };
    const FrameCase cases[] = {
        {"left alone", {}, 1},
        {"moved, entered", {SDL_WINDOWEVENT_MOVED, SDL_WINDOWEVENT_ENTER}, 1},
        {"exposed", {SDL_WINDOWEVENT_EXPOSED}, 2},
        {"restored", {SDL_WINDOWEVENT_RESTORED}, 2},
    };
    for (const FrameCase &c : cases) {
        SCOPED_TRACE(c.name);
        for (Uint8 change : c.changes) {
            SDL_Event event{};
            event.type = SDL_WINDOWEVENT;
            event.window.event = change;
            event.window.windowID = SDL_GetWindowID(window);
            SDL_PushEvent(&event);
        }
        push_quit();
        const int before = saved_frames();
        vortelan_gb_runtime_screenshot_viewer_run(renderer, window, &slot_keys, escape_code);
        EXPECT_EQ(saved_frames() - before, c.frames);
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

TEST_F(ScreenshotViewerLoop, EmptyListLeavesOnAnyKey) {
    push_keys({SDLK_F5});
    push_quit();
    run();
    expect_empty_screen();
    EXPECT_TRUE(left_early());
}

class ScreenshotViewerPad : public ScreenshotViewerLoop {
  protected:
    void SetUp() override {
        ScreenshotViewerLoop::SetUp();
        slot_keys[0] = gb_test::pad_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        slot_keys[4] = gb_test::pad_button(SDL_CONTROLLER_BUTTON_A);
        slot_keys[5] = gb_test::pad_button(SDL_CONTROLLER_BUTTON_B);
        add_pictures({"a.bmp", "b.bmp", "c.bmp"});
    }
};

TEST_F(ScreenshotViewerPad, BIsNothingUnlessItIsTheEscapeBinding) {
    gb_test::VirtualPad pad;
    pad.press(1);
    pad.press(14);
    push_quit();
    run();
    EXPECT_FALSE(left_early());
    expect_shown("1/3", "a.bmp", first_message);

    escape_code = gb_test::pad_button(SDL_CONTROLLER_BUTTON_B);
    pad.press(1);
    push_quit();
    run();
    EXPECT_TRUE(left_early());
}

TEST_F(ScreenshotViewerPad, DialogTogglesAndDeletesWithThePad) {
    gb_test::VirtualPad pad;
    push_keys({SDLK_d});
    pad.press(14); // YES
    pad.press(0);
    push_quit();
    run();
    EXPECT_FALSE(exists("c.bmp"));
    expect_shown("2/2", "b.bmp", "DELETED");
    pad.press(0); // A while browsing leaves
    push_quit();
    run();
    EXPECT_TRUE(left_early());
}

TEST_F(ScreenshotViewerPad, AnyPadPressLeavesTheEmptyScreen) {
    std::filesystem::remove_all(directory.path() / "screenshot");
    gb_test::VirtualPad pad;
    pad.press(5);
    push_quit();
    run();
    EXPECT_FALSE(left_early()) << "button 5 is none of the slot's";
    pad.press(14);
    push_quit();
    run();
    EXPECT_TRUE(left_early());
}

} // namespace
