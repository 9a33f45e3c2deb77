#include "menu/choice_list.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

const char *const cartridge_suffixes[] = {".gb", ".gbc"};

std::vector<std::string> entries(const ChoiceList &list) {
    return std::vector<std::string>(list.names, list.names + list.count);
}

void scan_cartridges(ChoiceList *list, const std::string &directory) {
    vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(list, directory.c_str(),
                                                          cartridge_suffixes, 2);
}

struct ScanCase {
    std::vector<std::string> files;
    std::vector<std::string> sorted;
};

TEST(ChoiceListScan, KeepsMatchingSuffixesInAnyCaseAndSkipsHiddenNames) {
    for (const ScanCase &c : std::vector<ScanCase>{
             {{"zeta.GB", "Alpha.gbc", "beta.gb", "notes.txt", ".hidden.gb", "x.gbc.txt", "gb"},
              {"Alpha.gbc", "beta.gb", "zeta.GB"}},
             {{"apple.gb", "Zoo.gb"}, {"Zoo.gb", "apple.gb"}},
             {{"only.txt"}, {}},
             // Names in letters of no single ANSI code page come back as the same UTF-8.
             {{"Pok\xc3\xa9mon.gbc", "\xe3\x83\x9d\xe3\x82\xb1\xe3\x83\xa2\xe3\x83\xb3.gb",
               "\xd0\x81\xd0\xb6.GB"},
              {"Pok\xc3\xa9mon.gbc", "\xd0\x81\xd0\xb6.GB",
               "\xe3\x83\x9d\xe3\x82\xb1\xe3\x83\xa2\xe3\x83\xb3.gb"}},
         }) {
        gb_test::TempDir roms;
        for (const std::string &file : c.files) {
            gb_test::write_file(roms.file(file), "cartridge");
        }
        ChoiceList list{};
        scan_cartridges(&list, roms.path().string());
        vortelan_gb_runtime_choice_list_sort(&list);
        EXPECT_EQ(entries(list), c.sorted);
    }
}

TEST(ChoiceListScan, RescanAddsToTheListWithoutDuplicates) {
    gb_test::TempDir roms;
    gb_test::write_file(roms.file("b.gb"), "");
    gb_test::write_file(roms.file("a.gbc"), "");
    ChoiceList list{};
    vortelan_gb_runtime_choice_list_add(&list, "earlier.gb");
    scan_cartridges(&list, roms.path().string());
    scan_cartridges(&list, roms.path().string());
    vortelan_gb_runtime_choice_list_sort(&list);
    EXPECT_EQ(entries(list), (std::vector<std::string>{"a.gbc", "b.gb", "earlier.gb"}));
}

TEST(ChoiceListScan, KeepsTheFirstSixtyFourOfAHundred) {
    gb_test::TempDir roms;
    std::set<std::string> files;
    for (int index = 0; index < 100; ++index) {
        std::string name = "game" + std::to_string(index) + ".gb";
        gb_test::write_file(roms.file(name), "");
        files.insert(name);
    }
    ChoiceList list{};
    scan_cartridges(&list, roms.path().string());
    vortelan_gb_runtime_choice_list_sort(&list);
    ASSERT_EQ(list.count, choice_list_capacity);
    std::vector<std::string> kept = entries(list);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_EQ(std::set<std::string>(kept.begin(), kept.end()).size(), kept.size());
    for (const std::string &name : kept) {
        EXPECT_TRUE(files.count(name)) << name;
    }
}

TEST(ChoiceListScan, MissingDirectoryLeavesTheListAlone) {
    gb_test::TempDir root;
    ChoiceList list{};
    vortelan_gb_runtime_choice_list_add(&list, "kept.gb");
    scan_cartridges(&list, root.file("missing"));
    EXPECT_EQ(entries(list), std::vector<std::string>{"kept.gb"});
}

// The scan looks at names only; the existence test then turns the directory down.
TEST(ChoiceListScan, ListsADirectoryNamedLikeACartridge) {
    gb_test::TempDir root;
    std::filesystem::create_directories(root.path() / "roms" / "x.gb");
    ChoiceList list{};
    scan_cartridges(&list, root.file("roms"));
    EXPECT_EQ(entries(list), std::vector<std::string>{"x.gb"});
}

} // namespace
