#include "ui/screenshot_view.h"

#include "ui/bmp_header.h"

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

// The 54 bytes that start a BMP file with a 40-byte header, pixels right after them.
std::string bmp_header(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0) {
    std::string header(54, '\0');
    const auto put = [&header](size_t at, uint32_t value, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            header[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(width), 4);
    put(22, static_cast<uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, bits, 2);
    put(30, compression, 4);
    return header;
}

bool header_fits(const std::string &header, uint64_t file_size) {
    return bmp_header_fits_bounds(reinterpret_cast<const unsigned char *>(header.data()),
                                  header.size(), file_size);
}

TEST(BmpHeader, ClaimsMustFitTheFileAndTheBounds) {
    const struct {
        const char *name;
        std::string header;
        uint64_t file_size;
        bool fits;
    } cases[] = {
        {"24-bit 160x144, all rows there", bmp_header(160, 144, 24), 54 + 480 * 144, true},
        {"one byte short", bmp_header(160, 144, 24), 54 + 480 * 144 - 1, false},
        {"top row first", bmp_header(160, -144, 24), 54 + 480 * 144, true},
        {"1-bit rows of 2 bytes", bmp_header(16, 2, 1), 54 + 4, true},
        {"huge claim in a tiny file", bmp_header(60000, 60000, 32), 58, false},
        {"run-length encoded, small file", bmp_header(1000, 1000, 8, 1), 64, true},
        {"16384 on a side", bmp_header(16384, 1, 8, 1), 64, true},
        {"16385 on a side", bmp_header(1, 16385, 8, 1), 64, false},
        {"64 MiB as drawn", bmp_header(4096, 4096, 8, 1), 64, true},
        {"above 64 MiB as drawn", bmp_header(4096, 4097, 8, 1), 64, false},
        {"no width", bmp_header(0, 1, 24), 1000, false},
        {"no height", bmp_header(1, 0, 24), 1000, false},
        {"not BM", "BA" + bmp_header(1, 1, 24).substr(2), 1000, false},
        {"unknown header size", bmp_header(1, 1, 24).replace(14, 1, 1, '\x20'), 1000, false},
        // The old 12-byte header: 16-bit sides, planes, bits per pixel.
        {"core header",
         std::string("BM\0\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\x02\0\x02\0\x01\0\x18\0", 26), 26 + 12,
         true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(header_fits(c.header, c.file_size), c.fits) << c.name;
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

// The decoder would set aside and clear the whole claimed picture before reading a pixel.
TEST_F(ScreenshotView, OversizedClaimIsRefusedFromItsHeaderAlone) {
    gb_test::write_file(file("huge.bmp"), bmp_header(60000, 60000, 32) + "tiny");
    add("huge.bmp");
    gb_test::LargestSdlAllocation largest;
    draw();
    expect_load_failed();
    EXPECT_LT(largest.bytes(), 1u << 20);
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
