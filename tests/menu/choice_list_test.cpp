#include "menu/choice_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ChoiceList make_list(const std::vector<std::string> &names) {
    ChoiceList list{};
    for (const std::string &name : names) {
        vortelan_gb_runtime_choice_list_add(&list, name.c_str());
    }
    return list;
}

std::vector<std::string> entries(const ChoiceList &list) {
    return std::vector<std::string>(list.names, list.names + list.count);
}

TEST(ChoiceList, AddDropsDuplicatesAndNamesBeyondCapacity) {
    ChoiceList list{};
    for (int round = 0; round < 2; ++round) {
        for (uint32_t index = 0; index < choice_list_capacity + 6; ++index) {
            vortelan_gb_runtime_choice_list_add(&list, ("game" + std::to_string(index)).c_str());
        }
    }
    ASSERT_EQ(list.count, choice_list_capacity);
    EXPECT_STREQ(list.names[0], "game0");
    EXPECT_STREQ(list.names[63], "game63");
}

// A Windows name may take up to 765 bytes of UTF-8; a cut one would name no file.
TEST(ChoiceList, AddLeavesOutNamesLongerThanAnEntry) {
    std::string wide_letters;
    for (int letter = 0; letter < 200; ++letter) {
        wide_letters += "\xe6\x97\xa5"; // a three-byte letter
    }
    std::string longest(choice_name_capacity - 1, 'n');
    ChoiceList list = make_list({wide_letters, longest + "x", longest, longest});
    EXPECT_EQ(entries(list), std::vector<std::string>{longest});
    EXPECT_EQ(list.names[1][0], '\0');
}

TEST(ChoiceList, SortsByteWise) {
    ChoiceList list = make_list({"zeta.GB", "beta.gb", "Alpha.gbc", "apple.gb", "Zoo.gb", "b"});
    vortelan_gb_runtime_choice_list_sort(&list);
    EXPECT_EQ(entries(list), (std::vector<std::string>{"Alpha.gbc", "Zoo.gb", "apple.gb", "b",
                                                       "beta.gb", "zeta.GB"}));
}

TEST(ChoiceList, SortsAFullReversedList) {
    ChoiceList list{};
    for (int index = choice_list_capacity - 1; index >= 0; --index) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d.gb", index);
        vortelan_gb_runtime_choice_list_add(&list, name);
    }
    vortelan_gb_runtime_choice_list_sort(&list);
    for (uint32_t index = 0; index < list.count; ++index) {
        EXPECT_EQ(std::stoi(list.names[index]), static_cast<int>(index));
    }
}

TEST(ChoiceList, FindIndexGivesZeroForMissingNames) {
    ChoiceList list = make_list({"a.gb", "b.gb", "c.gb"});
    EXPECT_EQ(vortelan_gb_runtime_choice_list_find_index(&list, "c.gb"), 2u);
    EXPECT_EQ(vortelan_gb_runtime_choice_list_find_index(&list, "zz.gb"), 0u);
}

struct CycleCase {
    std::vector<std::string> list;
    std::string start;
    int direction;
    std::string expected;
};

TEST(ChoiceList, CycleWrapsAndTreatsUnknownNamesAsFirst) {
    const std::vector<std::string> abc{"a.gb", "b.gb", "c.gb"};
    for (const CycleCase &c : std::vector<CycleCase>{
             {abc, "a.gb", 1, "b.gb"},
             {abc, "c.gb", 1, "a.gb"},
             {abc, "a.gb", -1, "c.gb"},
             {abc, "zz.gb", 1, "b.gb"},
             {abc, "zz.gb", -1, "c.gb"},
             {{"only.gb"}, "only.gb", 1, "only.gb"},
             {{"only.gb"}, "x", -1, "only.gb"},
             {{}, "slot1.gbc", 1, "slot1.gbc"},
         }) {
        ChoiceList list = make_list(c.list);
        char text[512];
        std::snprintf(text, sizeof text, "%s", c.start.c_str());
        vortelan_gb_runtime_choice_list_cycle(&list, text, sizeof text, c.direction);
        EXPECT_EQ(std::string(text), c.expected) << c.start << " by " << c.direction;
    }
}

TEST(ChoiceList, CycleOptionalRunsThroughNone) {
    const std::vector<std::string> ab{"a.gb", "b.gb"};
    for (const CycleCase &c : std::vector<CycleCase>{
             {ab, "", 1, "a.gb"},
             {ab, "a.gb", 1, "b.gb"},
             {ab, "b.gb", 1, ""},
             {ab, "", -1, "b.gb"},
             {ab, "a.gb", -1, ""},
             {ab, "zz.gb", 1, "b.gb"},
             {ab, "zz.gb", -1, ""},
             {{}, "", 1, ""},
             {{}, "zz.gb", -1, ""},
             {{}, "zz.gb", 1, ""},
         }) {
        ChoiceList list = make_list(c.list);
        char text[512];
        std::snprintf(text, sizeof text, "%s", c.start.c_str());
        vortelan_gb_runtime_choice_list_cycle_optional(&list, text, sizeof text, c.direction);
        EXPECT_EQ(std::string(text), c.expected) << "'" << c.start << "' by " << c.direction;
    }
}

TEST(ChoiceList, CycleCutsToTheGivenCapacity) {
    ChoiceList list = make_list({"abcdef.gb"});
    char text[6] = "";
    vortelan_gb_runtime_choice_list_cycle(&list, text, sizeof text, 1);
    EXPECT_STREQ(text, "abcde");
    text[0] = '\0';
    vortelan_gb_runtime_choice_list_cycle_optional(&list, text, sizeof text, 1);
    EXPECT_STREQ(text, "abcde");
}

TEST(ChoiceList, RemoveAtKeepsOrderAndEmptiesTheFreedSlot) {
    ChoiceList list = make_list({"a.gb", "b.gb", "c.gb"});
    vortelan_gb_runtime_choice_list_remove_at(&list, 0);
    EXPECT_EQ(entries(list), (std::vector<std::string>{"b.gb", "c.gb"}));
    EXPECT_EQ(std::string(list.names[2], choice_name_capacity),
              std::string(choice_name_capacity, '\0'));

    vortelan_gb_runtime_choice_list_remove_at(&list, 2);
    vortelan_gb_runtime_choice_list_remove_at(nullptr, 0);
    EXPECT_EQ(list.count, 2u);
    vortelan_gb_runtime_choice_list_remove_at(&list, 1);
    EXPECT_EQ(entries(list), (std::vector<std::string>{"b.gb"}));
}

TEST(ChoiceList, RemoveAtOfTheLastOfAFullList) {
    ChoiceList list{};
    for (uint32_t index = 0; index < choice_list_capacity; ++index) {
        vortelan_gb_runtime_choice_list_add(&list, std::to_string(index).c_str());
    }
    vortelan_gb_runtime_choice_list_remove_at(&list, choice_list_capacity - 1);
    EXPECT_EQ(list.count, choice_list_capacity - 1);
    EXPECT_EQ(list.names[choice_list_capacity - 1][0], '\0');
    vortelan_gb_runtime_choice_list_add(&list, "again");
    EXPECT_STREQ(list.names[choice_list_capacity - 1], "again");
}

} // namespace
