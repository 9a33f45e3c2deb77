#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct ParseCase {
    const char *text;
    int result;
    uint32_t scale;
};

TEST(DisplayScaleParse, AcceptsAutoAndOneToSixOnly) {
    for (const ParseCase &c : {
             ParseCase{"auto", 0, 0},
             ParseCase{"AUTO", 0, 0},
             ParseCase{"1", 0, 1},
             ParseCase{"6", 0, 6},
             ParseCase{"03", 0, 3},
             ParseCase{"Auto", -1, 99},
             ParseCase{"0", -1, 99},
             ParseCase{"7", -1, 99},
             ParseCase{"3x", -1, 99},
             ParseCase{"3 ", -1, 99},
             ParseCase{"", -1, 99},
             ParseCase{"-3", -1, 99},
             ParseCase{"99999999999999999999", -1, 99},
         }) {
        uint32_t scale = 99;
        EXPECT_EQ(vortelan_display_scale_parse(c.text, &scale), c.result) << c.text;
        EXPECT_EQ(scale, c.scale) << c.text;
    }
    uint32_t scale = 99;
    EXPECT_EQ(vortelan_display_scale_parse(nullptr, &scale), -1);
    EXPECT_EQ(vortelan_display_scale_parse("3", nullptr), -1);
}

struct ResolveCase {
    uint32_t requested;
    int width, height, base_width, base_height;
    int factor;
};

TEST(DisplayScaleResolve, FitsTheUsableAreaBetweenOneAndSix) {
    for (const ResolveCase &c : {
             ResolveCase{0, 1920, 1040, 480, 480, 2},
             ResolveCase{0, 3840, 2160, 480, 480, 4},
             ResolveCase{0, 5000, 5000, 480, 480, 6},
             ResolveCase{0, 400, 1000, 480, 480, 1},
             ResolveCase{0, 1920, 1080, 0, 480, 1},
             ResolveCase{0, -1920, 1080, 480, 480, 1},
             ResolveCase{9, 1920, 1080, 480, 480, 2},
             ResolveCase{3, 100, 100, 480, 480, 3},
             ResolveCase{6, 0, 0, 0, 0, 6},
         }) {
        EXPECT_EQ(vortelan_display_scale_resolve(c.requested, c.width, c.height, c.base_width,
                                                 c.base_height),
                  c.factor)
            << c.requested << " on " << c.width << "x" << c.height;
    }
}

TEST(DisplayScaleFormat, WritesAutoOrTheNumberCutLikeSnprintf) {
    char text[16];
    vortelan_display_scale_format(0, text, sizeof text);
    EXPECT_STREQ(text, "AUTO");
    vortelan_display_scale_format(6, text, sizeof text);
    EXPECT_STREQ(text, "6");
    char small[4] = {'x', 'x', 'x', 'x'};
    vortelan_display_scale_format(0, small, 3);
    EXPECT_STREQ(small, "AU");
    EXPECT_EQ(small[3], 'x');
    vortelan_display_scale_format(0, small, 0);
    vortelan_display_scale_format(0, nullptr, 16);
    EXPECT_STREQ(small, "AU");
}

TEST(DisplayScaleFromEnvironment, GivesAutoForAnythingUnusable) {
    const char *name = "GB_RUNTIME_TEST_DISPLAY_SCALE";
    unsetenv(name);
    EXPECT_EQ(vortelan_display_scale_from_environment(name), 0u);
    EXPECT_EQ(vortelan_display_scale_from_environment(nullptr), 0u);
    for (const ParseCase &c : {ParseCase{"4", 0, 4}, ParseCase{"AUTO", 0, 0}, ParseCase{"8", -1, 0},
                               ParseCase{"two", -1, 0}}) {
        setenv(name, c.text, 1);
        EXPECT_EQ(vortelan_display_scale_from_environment(name), c.scale) << c.text;
    }
    unsetenv(name);
}

} // namespace
