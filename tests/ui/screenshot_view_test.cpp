#include "ui/screenshot_view.h"

#include "tests/support/temp_dir.h"
#include "tests/ui/canvas.h"
#include "tests/ui/screen_fixture.h"
#include "tests/ui/screenshot_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

using gb_test::rgba;
namespace colors = gb_test::colors;

struct PlacementCase {
    int width;
    int height;
    SDL_Rect expected;
};

TEST(ScreenshotPlacement, LargestWholeZoomCentredBelowTheTitle) {
    for (const PlacementCase &c : {
             PlacementCase{160, 144, {80, 91, 320, 288}},  // zoom 2
             PlacementCase{640, 480, {-80, -5, 640, 480}}, // too large: zoom 1, overflowing
             PlacementCase{416, 294, {32, 88, 416, 294}},  // exactly the area
             PlacementCase{100, 50, {40, 135, 400, 200}},  // zoom 4, width decides
             PlacementCase{1, 1, {93, 88, 294, 294}},      // zoom 294, height decides
             PlacementCase{417, 10, {31, 230, 417, 10}},   // one column too wide
         }) {
        const SDL_Rect placed = screenshot_placement(c.width, c.height);
        EXPECT_EQ((std::vector<int>{placed.x, placed.y, placed.w, placed.h}),
                  (std::vector<int>{c.expected.x, c.expected.y, c.expected.w, c.expected.h}))
            << c.width << "x" << c.height;
    }
}

TEST(ScreenshotPath, RefusesNamesThatLeaveTheDirectoryOrDoNotFit) {
    char path[512];
    EXPECT_TRUE(screenshot_path("a.bmp", path, sizeof path));
    EXPECT_STREQ(path, "screenshot/a.bmp");
    const std::string longest(500, 'n');
    EXPECT_TRUE(screenshot_path(longest.c_str(), path, sizeof path));
    EXPECT_EQ(std::strlen(path), 511u);
    for (const std::string &name :
         {std::string(), std::string("a/b.bmp"), std::string("..\\b.bmp"), std::string(501, 'n')}) {
        std::memset(path, 'x', sizeof path);
        EXPECT_FALSE(screenshot_path(name.c_str(), path, sizeof path)) << name;
        EXPECT_STREQ(path, "") << name;
    }
}

class ScreenshotView : public gb_test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        std::filesystem::create_directory(directory.path() / "screenshot");
        std::memset(&view, 0, sizeof view);
    }
    void add(const std::string &name) {
        std::snprintf(view.shots.names[view.shots.count++], 512, "%s", name.c_str());
    }
    std::string file(const std::string &name) const { return directory.file("screenshot/" + name); }
    void draw() { draw_screenshot_view(canvas->renderer(), &view); }
    void expect_load_failed() const {
        gb_test::expect_region_shows(*canvas, {86, 208, 394, 21},
                                     {86, 208, "LOAD FAILED", 3, colors::label},
                                     colors::background);
    }

    gb_test::TempDir directory;
    gb_test::ScopedWorkingDirectory working_directory{directory.path()};
    ::ScreenshotView view;
};

TEST_F(ScreenshotView, SmallPictureIsZoomedAndCentred) {
    gb_test::write_picture(file("small.bmp"), 160, 144, [](int x, int y) {
        return rgba(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 200);
    });
    add("small.bmp");
    draw();
    for (const auto &[x, y] : {std::pair{0, 0}, std::pair{159, 143}, std::pair{37, 90}}) {
        const uint32_t expected = rgba(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 200);
        for (int corner = 0; corner < 4; ++corner) {
            EXPECT_EQ(canvas->at(80 + 2 * x + corner % 2, 91 + 2 * y + corner / 2), expected)
                << x << "," << y;
        }
    }
    for (const auto &[x, y] :
         {std::pair{79, 91}, std::pair{400, 91}, std::pair{80, 90}, std::pair{80, 379}}) {
        EXPECT_EQ(canvas->at(x, y), colors::background) << x << "," << y;
    }
}

TEST_F(ScreenshotView, LargePictureOverflowsAtZoomOne) {
    gb_test::write_picture(file("large.bmp"), 640, 480, [](int x, int y) {
        return rgba(static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                    static_cast<uint8_t>((x >> 8) | (y >> 8) << 4));
    });
    add("large.bmp");
    draw();
    for (const auto &[x, y] :
         {std::pair{0, 0}, std::pair{479, 300}, std::pair{240, 200}, std::pair{479, 474}}) {
        const int px = x + 80;
        const int py = y + 5;
        EXPECT_EQ(canvas->at(x, y), rgba(static_cast<uint8_t>(px), static_cast<uint8_t>(py),
                                         static_cast<uint8_t>((px >> 8) | (py >> 8) << 4)))
            << x << "," << y;
    }
    EXPECT_EQ(canvas->at(479, 475), colors::background);
}

TEST_F(ScreenshotView, CounterNameAndMessage) {
    add("a.bmp");
    add("b.bmp");
    gb_test::write_plain_picture(file("b.bmp"));
    view.index = 1;
    std::snprintf(view.message, sizeof view.message, "DELETE CANCELED");
    draw();
    gb_test::expect_region_shows(*canvas, {22, 398, 90, 14}, {22, 398, "2/2", 2, colors::label},
                                 colors::background);
    gb_test::expect_region_shows(*canvas, {116, 402, 364, 7}, {116, 402, "b.bmp", 1, colors::value},
                                 colors::background);
    gb_test::expect_region_shows(*canvas, {22, 424, 458, 7},
                                 {22, 424, "DELETE CANCELED", 1, colors::dim}, colors::background);
    gb_test::expect_region_shows(
        *canvas, {22, 452, 458, 7},
        {22, 452, "ARROWS CHANGE   DEL DELETE   ENTER ESC MENU", 1, colors::dim},
        colors::background);
}

TEST_F(ScreenshotView, LongNameIsCut) {
    const std::string name = std::string(56, 'N') + "TAIL.bmp";
    add(name);
    draw();
    gb_test::expect_region_shows(*canvas, {116, 402, 364, 7},
                                 {116, 402, name.substr(0, 56) + ">", 1, colors::value},
                                 colors::background);
}

TEST_F(ScreenshotView, PicturesThatCannotBeShownSayLoadFailed) {
    gb_test::write_file(file("text.bmp"), "not a picture");
    // A header of a picture 0 pixels wide: nothing could be placed.
    std::string zero_width("BM", 2);
    zero_width.resize(54 + 4, '\0');
    zero_width[10] = 54;
    zero_width[14] = 40;
    zero_width[22] = 1;  // height 1
    zero_width[26] = 1;  // planes
    zero_width[28] = 24; // bits per pixel
    gb_test::write_file(file("zero.bmp"), zero_width);
    std::filesystem::create_directory(directory.path() / "screenshot" / "folder.bmp");
    for (const std::string &name :
         {std::string("missing.bmp"), std::string("text.bmp"), std::string("zero.bmp"),
          std::string("folder.bmp"), std::string("sub/dir.bmp"), std::string(501, 'n')}) {
        std::memset(&view, 0, sizeof view);
        add(name);
        draw();
        SCOPED_TRACE(name.substr(0, 20));
        expect_load_failed();
        gb_test::expect_region_shows(*canvas, {22, 398, 90, 14}, {22, 398, "1/1", 2, colors::label},
                                     colors::background);
    }
}

TEST_F(ScreenshotView, EmptyListScreen) {
    draw();
    // Nothing else below the title: no counter, name, message or help line.
    gb_test::expect_region_shows(*canvas, {0, 60, 480, 195},
                                 {86, 208, "NO SCREENSHOTS", 3, colors::label}, colors::background);
    gb_test::expect_region_shows(*canvas, {0, 255, 480, 225},
                                 {86, 258, "PRESS ANY BUTTON", 2, colors::dim}, colors::background);
    gb_test::expect_golden(*canvas, "viewer_empty");
}

TEST_F(ScreenshotView, DeleteDialogHasAnOutlinedPanel) {
    add("a.bmp");
    view.dialog_open = true;
    view.yes_selected = true;
    draw();
    for (const auto &[x, y] : {std::pair{48, 160}, std::pair{431, 160}, std::pair{48, 309},
                               std::pair{431, 309}, std::pair{200, 160}, std::pair{48, 250}}) {
        EXPECT_EQ(canvas->at(x, y), colors::outline) << x << "," << y;
    }
    for (const auto &[x, y] : {std::pair{49, 161}, std::pair{430, 308}, std::pair{60, 300}}) {
        EXPECT_EQ(canvas->at(x, y), colors::panel) << x << "," << y;
    }
    for (const auto &[x, y] :
         {std::pair{47, 160}, std::pair{48, 159}, std::pair{432, 309}, std::pair{431, 310}}) {
        EXPECT_NE(canvas->at(x, y), colors::outline) << x << "," << y;
    }
    gb_test::expect_region_shows(*canvas, {112, 254, 90, 21}, {112, 254, "> YES", 3, colors::value},
                                 colors::panel);
    gb_test::expect_region_shows(*canvas, {270, 254, 72, 21}, {270, 254, "  NO", 3, colors::label},
                                 colors::panel);
}

TEST_F(ScreenshotView, GoldenWithPicture) {
    gb_test::write_picture(file("c.bmp"), 160, 144, [](int x, int y) {
        return (x / 16 + y / 16) % 2 == 0 ? rgba(224, 248, 208) : rgba(52, 104, 86);
    });
    add("a.bmp");
    add("b.bmp");
    add("c.bmp");
    view.index = 2;
    std::snprintf(view.message, sizeof view.message, "SCREENSHOT/ STORES SELF MODE CAPTURES");
    draw();
    gb_test::expect_golden(*canvas, "viewer_picture");
    view.dialog_open = true;
    std::snprintf(view.message, sizeof view.message, "CONFIRM DELETE");
    draw();
    gb_test::expect_golden(*canvas, "viewer_delete_dialog");
}

} // namespace
