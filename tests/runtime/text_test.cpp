#include "runtime/text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct CopyCase {
    size_t capacity;
    bool fits;
    const char *expected;
};

TEST(CopyText, CutsAtCapacityAndTerminates) {
    for (const CopyCase &c : {CopyCase{4, true, "abc"}, CopyCase{3, false, "ab"},
                              CopyCase{1, false, ""}}) {
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(vortelan_gb_runtime_copy_text(buffer, c.capacity, "abc"), c.fits);
        EXPECT_STREQ(buffer, c.expected) << "capacity " << c.capacity;
        EXPECT_EQ(buffer[c.capacity], 'x') << "wrote past capacity " << c.capacity;
    }
}

TEST(CopyText, WritesNothingWithoutRoom) {
    char buffer[4] = {'x', 'x', 'x', '\0'};
    EXPECT_FALSE(vortelan_gb_runtime_copy_text(buffer, 0, "abc"));
    EXPECT_FALSE(vortelan_gb_runtime_copy_text(nullptr, 4, "abc"));
    EXPECT_FALSE(vortelan_gb_runtime_copy_text(buffer, 4, nullptr));
    EXPECT_STREQ(buffer, "xxx");
}

TEST(JoinPath, InsertsOneSeparatorAndChecksRoom) {
    char buffer[32];
    EXPECT_TRUE(vortelan_gb_runtime_join_path(buffer, 10, "dir", "f.txt"));
    EXPECT_STREQ(buffer, "dir/f.txt");
    EXPECT_FALSE(vortelan_gb_runtime_join_path(buffer, 9, "dir", "f.txt"));
    EXPECT_TRUE(vortelan_gb_runtime_join_path(buffer, 10, "dir/", "f.txt"));
    EXPECT_STREQ(buffer, "dir/f.txt");
    EXPECT_TRUE(vortelan_gb_runtime_join_path(buffer, 6, "", "f.txt"));
    EXPECT_STREQ(buffer, "f.txt");
    EXPECT_TRUE(vortelan_gb_runtime_join_path(buffer, sizeof buffer, "dir", ""));
    EXPECT_STREQ(buffer, "dir/");
}

TEST(JoinPath, LeavesBufferUntouchedWhenTooSmall) {
    char buffer[8] = "keep";
    EXPECT_FALSE(vortelan_gb_runtime_join_path(buffer, sizeof buffer, "directory", "name"));
    EXPECT_STREQ(buffer, "keep");
}

struct SplitCase {
    const char *path;
    const char *directory;
    const char *name;
};

TEST(SplitPath, SplitsAtLastSlash) {
    for (const SplitCase &c : {SplitCase{"a/b/c.txt", "a/b", "c.txt"}, SplitCase{"c.txt", ".", "c.txt"},
                               SplitCase{"/c.txt", "", "c.txt"}, SplitCase{"a/b/", "a/b", ""},
                               SplitCase{"a\\b", ".", "a\\b"}}) {
        char directory[16];
        char name[16];
        vortelan_gb_runtime_split_path(c.path, directory, sizeof directory, name, sizeof name);
        EXPECT_STREQ(directory, c.directory) << c.path;
        EXPECT_STREQ(name, c.name) << c.path;
    }
}

TEST(SplitPath, CutsPartsAndSkipsZeroCapacity) {
    char directory[3];
    char name[1] = {'x'};
    vortelan_gb_runtime_split_path("abcdef/ghi", directory, sizeof directory, name, sizeof name);
    EXPECT_STREQ(directory, "ab");
    EXPECT_STREQ(name, "");
    char untouched[4] = "zz";
    vortelan_gb_runtime_split_path("a/b", untouched, 0, nullptr, 0);
    EXPECT_STREQ(untouched, "zz");
}

struct UintCase {
    const char *text;
    uint32_t minimum;
    uint32_t maximum;
    int result;
    uint32_t value;
};

TEST(ParseUintRange, AcceptsWholeNumbersWithinBounds) {
    for (const UintCase &c : {
             UintCase{"42", 1, 100, 0, 42},
             UintCase{"0", 1, 100, -1, 7},
             UintCase{"42x", 0, 100, -1, 7},
             UintCase{"", 0, 100, -1, 7},
             UintCase{" 42", 0, 100, 0, 42},
             UintCase{"42 ", 0, 100, -1, 7},
             UintCase{"+9", 0, 100, 0, 9},
             UintCase{"100", 1, 100, 0, 100},
             UintCase{"101", 1, 100, -1, 7},
             UintCase{"-1", 0, UINT32_MAX, 0, UINT32_MAX},
             UintCase{"-5", 0, UINT32_MAX, 0, UINT32_MAX - 4},
             UintCase{"99999999999", 0, UINT32_MAX, 0, UINT32_MAX},
             UintCase{"4294967295", 0, UINT32_MAX, 0, UINT32_MAX},
             UintCase{"4294967296", 0, 4294967294u, -1, 7},
         }) {
        uint32_t value = 7;
        EXPECT_EQ(vortelan_gb_runtime_parse_uint_range(c.text, c.minimum, c.maximum, &value), c.result)
            << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

struct IntCase {
    const char *text;
    int32_t minimum;
    int32_t maximum;
    int result;
    int32_t value;
};

TEST(ParseIntRange, AcceptsSignedNumbersAndSaturates) {
    for (const IntCase &c : {
             IntCase{"-5", -10, 10, 0, -5},
             IntCase{"-11", -10, 10, -1, 7},
             IntCase{"10", -10, 10, 0, 10},
             IntCase{"\t3", -10, 10, 0, 3},
             IntCase{"3\n", -10, 10, -1, 7},
             IntCase{"-", -10, 10, -1, 7},
             IntCase{"99999999999", INT32_MIN, INT32_MAX, 0, INT32_MAX},
             IntCase{"-99999999999", INT32_MIN, INT32_MAX, 0, INT32_MIN},
         }) {
        int32_t value = 7;
        EXPECT_EQ(vortelan_gb_runtime_parse_int_range(c.text, c.minimum, c.maximum, &value), c.result)
            << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

} // namespace
