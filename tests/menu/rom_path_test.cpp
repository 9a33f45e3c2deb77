#include "menu/rom_path.h"

#include "tests/menu/package_root_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

struct NameCase {
    const char *name;
    bool valid;
};

TEST(RomName, AcceptsOnlyBareCartridgeNames) {
    for (const NameCase &c : {
             NameCase{"Game.GBC", true},
             NameCase{"A.GbC", true},
             NameCase{".gb", true},
             NameCase{".x.gb", true},
             NameCase{"x.gBc", true},
             NameCase{"", false},
             NameCase{".", false},
             NameCase{"..", false},
             NameCase{"gb", false},
             NameCase{"a/b.gb", false},
             NameCase{"a\\b.gb", false},
             NameCase{"../x.gb", false},
             NameCase{"roms/x.gb", false},
             NameCase{"x.zip", false},
             NameCase{"gbc", false},
             NameCase{"x.gbcc", false},
             NameCase{"x.gb ", false},
         }) {
        EXPECT_EQ(vortelan_gb_runtime_menu_rom_filename_valid(c.name), c.valid) << c.name;
    }
    EXPECT_FALSE(vortelan_gb_runtime_menu_rom_filename_valid(nullptr));
}

TEST(RomName, SuffixIgnoresAsciiCaseOnly) {
    EXPECT_TRUE(vortelan_gb_runtime_menu_has_suffix("zeta.GB", ".gb"));
    EXPECT_TRUE(vortelan_gb_runtime_menu_has_suffix("anything", ""));
    EXPECT_TRUE(vortelan_gb_runtime_menu_has_suffix(".gb", ".gb"));
    EXPECT_FALSE(vortelan_gb_runtime_menu_has_suffix("gb", ".gb"));
    EXPECT_FALSE(vortelan_gb_runtime_menu_has_suffix("x.g\xc2\xa2", ".g\xe2\x82"));
}

TEST(RomName, BasenameWithoutExtension) {
    struct Case {
        const char *path;
        size_t capacity;
        const char *expected;
    };
    for (const Case &c : {Case{"roms/Game.v1.gbc", 64, "Game.v1"}, Case{"plain", 64, "plain"},
                          Case{"dir.d/name", 64, "name"}, Case{"a/b/", 64, ""},
                          Case{"abcdef.gb", 5, "abcd"}, Case{"ab.cdef", 5, "ab"}}) {
        char output[64];
        EXPECT_STREQ(vortelan_gb_runtime_menu_basename_no_ext(c.path, output, c.capacity),
                     c.expected)
            << c.path;
    }
}

// A name in letters of no single ANSI code page.
const std::string japanese_name = "\xe3\x83\x9d\xe3\x82\xb1\xe3\x83\xa2\xe3\x83\xb3.gb";

class RomFiles : public gb_test::PackageRootTest {
  protected:
    void SetUp() override {
        PackageRootTest::SetUp();
        std::filesystem::create_directory("roms/folder.gb");
        gb_test::write_file("roms/Game.gbc", "cartridge");
        gb_test::write_file("roms/" + japanese_name, "cartridge");
        gb_test::write_file("outside.gb", "cartridge");
    }
};

TEST_F(RomFiles, ExistsOnlyForRegularFilesUnderRoms) {
    EXPECT_TRUE(vortelan_gb_runtime_menu_rom_file_exists_in_roms("Game.gbc"));
    EXPECT_TRUE(vortelan_gb_runtime_menu_rom_file_exists_in_roms(japanese_name.c_str()));
    for (const char *name : {"folder.gb", "missing.gb", "../outside.gb", "Game.txt", ""}) {
        EXPECT_FALSE(vortelan_gb_runtime_menu_rom_file_exists_in_roms(name)) << name;
    }
}

TEST_F(RomFiles, PathNeedsRoomForTheWholePath) {
    char output[32] = "stale";
    EXPECT_TRUE(vortelan_gb_runtime_menu_rom_path_from_filename("Game.gbc", output, 14));
    EXPECT_STREQ(output, "roms/Game.gbc");
    std::snprintf(output, sizeof output, "stale");
    EXPECT_FALSE(vortelan_gb_runtime_menu_rom_path_from_filename("Game.gbc", output, 13));
    EXPECT_STREQ(output, "");
    std::snprintf(output, sizeof output, "stale");
    EXPECT_FALSE(vortelan_gb_runtime_menu_rom_path_from_filename("folder.gb", output, 32));
    EXPECT_FALSE(vortelan_gb_runtime_menu_rom_path_from_filename("Game.gbc", output, 0));
}

} // namespace
