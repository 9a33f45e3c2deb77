#include "menu/choice_list.h"
#include "menu/rom_path.h"

#include "tests/menu/package_root_fixture.h"
#include "tests/menu/posix/logged_rerun.h"
#include "tests/support/captured_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Each test runs again in a fresh copy of the program with logging on.
class LoggedLines : public gb_test::PackageRootTest {
  protected:
    void SetUp() override {
        if (gb_test::running_with_logging()) {
            PackageRootTest::SetUp();
        }
    }
    void TearDown() override {
        if (gb_test::running_with_logging()) {
            PackageRootTest::TearDown();
        }
    }
};

TEST_F(LoggedLines, ChoiceListScan) {
    if (!gb_test::running_with_logging()) {
        EXPECT_EQ(gb_test::rerun_current_test_with_logging(), 0);
        return;
    }
    gb_test::write_file("roms/one.gb", "");
    const char *const suffixes[] = {".gb", ".gbc"};
    ChoiceList list{};
    vortelan_gb_runtime_choice_list_add(&list, "earlier.gb");
    gb_test::CapturedStream error(stderr);
    vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(&list, "roms", suffixes, 2);
    vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(&list, "missing", suffixes, 2);
    EXPECT_EQ(error.text(), "choice list: scanning 'roms'\n"
                            "choice list: 'roms' candidates=2\n"
                            "choice list: failed to open 'missing': No such file or directory\n");
}

TEST_F(LoggedLines, RomPath) {
    if (!gb_test::running_with_logging()) {
        EXPECT_EQ(gb_test::rerun_current_test_with_logging(), 0);
        return;
    }
    std::filesystem::create_directory("roms/folder.gb");
    gb_test::write_file("outside.gb", "");
    // "roms/" + 506 bytes + NUL fill the 512-byte path exactly; one more is refused unasked.
    std::string longest = std::string(503, 'n') + ".gb";
    std::string too_long = "n" + longest;
    gb_test::CapturedStream error(stderr);
    for (const std::string &name : {std::string("folder.gb"), std::string("missing.gb"),
                                    std::string("../outside.gb"), longest, too_long}) {
        EXPECT_FALSE(vortelan_gb_runtime_menu_rom_file_exists_in_roms(name.c_str())) << name;
    }
    char path[600] = "stale";
    EXPECT_FALSE(vortelan_gb_runtime_menu_rom_path_from_filename("folder.gb", path, sizeof path));
    EXPECT_EQ(error.text(), "rom path: 'roms/folder.gb' is not a regular file\n"
                            "rom path: stat failed for 'roms/missing.gb': No such file or "
                            "directory\n"
                            "rom path: stat failed for 'roms/" +
                                longest +
                                "': File name too long\n"
                                "rom path: 'roms/folder.gb' is not a regular file\n");
}

} // namespace
