#include "runtime/utf8.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Case {
    const char *text;
    bool valid;
};

TEST(Utf8, AcceptsOnlyWellFormedSequences) {
    for (const Utf8Case &c : {
             Utf8Case{"", true},
             Utf8Case{"roms/game.gbc", true},
             Utf8Case{"caf\xc3\xa9", true},
             Utf8Case{"\xe2\x82\xac \xed\x9f\xbf \xee\x80\x80", true},
             Utf8Case{"\xf0\x90\x80\x80 \xf4\x8f\xbf\xbf", true},
             Utf8Case{"bad\xff", false},
             Utf8Case{"\x80", false},
             Utf8Case{"\xc0\xaf", false},         // overlong "/"
             Utf8Case{"\xe0\x9f\xbf", false},     // overlong three-byte form
             Utf8Case{"\xed\xa0\x80", false},     // surrogate
             Utf8Case{"\xf0\x8f\xbf\xbf", false}, // overlong four-byte form
             Utf8Case{"\xf4\x90\x80\x80", false}, // beyond U+10FFFF
             Utf8Case{"\xf5\x80\x80\x80", false},
             Utf8Case{"\xc3", false}, // cut at the terminator
             Utf8Case{"\xe2\x82", false},
             Utf8Case{"\xe2\x82x", false},
         }) {
        EXPECT_EQ(vortelan_gb_runtime_utf8_is_valid(c.text), c.valid)
            << testing::PrintToString(c.text);
    }
}

} // namespace
