#include "runtime/package_root.h"
#include "tests/runtime/package_root_fixture.h"
#include "tests/support/captured_stream.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct RootCase {
    const char *label;
    const char *executable;
    const char *root;
};

class PackageRootFromExecutable : public testing::TestWithParam<RootCase> {};

TEST_P(PackageRootFromExecutable, RemovesOneBuildLevel) {
    std::string path = GetParam().executable;
    ASSERT_EQ(vortelan_gb_runtime_package_root_from_executable_path(path.data()), 0);
    EXPECT_STREQ(path.c_str(), GetParam().root);
}

INSTANTIATE_TEST_SUITE_P(
    PackageRoot, PackageRootFromExecutable,
    testing::Values(RootCase{"backslashes", "C:\\pkg\\build\\menu.exe", "C:\\pkg"},
                    RootCase{"upper_case_build", "C:\\pkg\\BUILD\\menu.exe", "C:\\pkg"},
                    RootCase{"no_build", "C:\\pkg\\menu.exe", "C:\\pkg"},
                    RootCase{"build2", "C:\\pkg\\build2\\menu.exe", "C:\\pkg\\build2"},
                    RootCase{"buil", "C:\\pkg\\buil\\menu.exe", "C:\\pkg\\buil"},
                    RootCase{"build_in_build", "C:\\pkg\\build\\build\\menu.exe", "C:\\pkg\\build"},
                    RootCase{"mixed_separators", "C:/pkg\\build/menu.exe", "C:/pkg"},
                    RootCase{"mixed_case_build", "/opt/pkg/Build/menu", "/opt/pkg"},
                    RootCase{"relative_build", "build/menu", "build"},
                    // The file system's root stays the root.
                    RootCase{"build_under_root", "/build/menu", "/"},
                    RootCase{"in_root", "/menu", "/"},
                    RootCase{"drive_root", "C:\\menu.exe", "C:\\"},
                    RootCase{"build_under_drive_root", "D:\\build\\menu.exe", "D:\\"},
                    RootCase{"drive_root_forward", "c:/Build/menu.exe", "c:/"},
                    RootCase{"not_a_drive", "1:\\menu.exe", "1:"}),
    [](const testing::TestParamInfo<RootCase> &tested) { return tested.param.label; });

TEST(PackageRootFromExecutable, NeedsASeparator) {
    std::string path = "menu.exe";
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_package_root_from_executable_path(path.data()), -1);
    EXPECT_EQ(errno, EINVAL);
}

using gb_test::PackageRootOverride;
using gb_test::working_directory;

// Named in Japanese letters, which no ANSI code page of a Western system has.
TEST_F(PackageRootOverride, ChangesToTheGivenDirectory) {
    std::string root = temp.file("\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0");
    std::filesystem::create_directory(gb_test::utf8_path(root));
    std::u8string canonical = std::filesystem::canonical(gb_test::utf8_path(root)).u8string();
    root.assign(canonical.begin(), canonical.end());
    setenv("GB_RUNTIME_PACKAGE_ROOT", root.c_str(), 1);
    gb_test::CapturedStream errors(stderr);
    EXPECT_EQ(vortelan_gb_runtime_chdir_to_package_root(), 0);
    EXPECT_EQ(errors.text(), "cwd: package root override '" + root + "' result=0\n");
    EXPECT_EQ(working_directory(), root);
}

TEST_F(PackageRootOverride, ReportsADirectoryThatCannotBeEntered) {
    std::string missing = temp.file("missing");
    setenv("GB_RUNTIME_PACKAGE_ROOT", missing.c_str(), 1);
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_chdir_to_package_root(), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(errors.text(), "cwd: package root override '" + missing + "' result=-1\n");
    EXPECT_EQ(working_directory(), start);
}

TEST_F(PackageRootOverride, EmptyOverrideMeansTheExecutablesDirectory) {
    setenv("GB_RUNTIME_PACKAGE_ROOT", "", 1);
    std::string directory = gb_test::this_program().string();
    ASSERT_EQ(vortelan_gb_runtime_package_root_from_executable_path(directory.data()), 0);
    directory.resize(std::strlen(directory.c_str()));
    gb_test::CapturedStream errors(stderr);
    EXPECT_EQ(vortelan_gb_runtime_chdir_to_package_root(), 0);
    EXPECT_EQ(errors.text(), "cwd: package root '" + directory + "' result=0\n");
    EXPECT_EQ(working_directory(), directory);
}

// Run only inside the copy made by the test below, which selects it by name.
TEST(PackageRootChild, DISABLED_PrintsWorkingDirectoryAfterChange) {
    int result = vortelan_gb_runtime_chdir_to_package_root();
    std::printf("result=%d cwd=%s\n", result, working_directory().c_str());
}

TEST(PackageRootOfCopiedExecutable, IsTheParentOfItsBuildDirectory) {
    gb_test::TempDir temp;
    std::filesystem::path root = std::filesystem::canonical(temp.path()) / "pkg";
    std::filesystem::create_directories(root / "build");
    std::filesystem::path copy =
        root / "build" / ("runtime_tests" + gb_test::this_program().extension().string());
    std::filesystem::copy_file(gb_test::this_program(), copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);

    gb_test::ProgramRun run = gb_test::run_from_file_system_root(copy, "PackageRootChild.*");

    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.output.find("result=0 cwd=" + root.string() + "\n"), std::string::npos)
        << run.output;
    EXPECT_EQ(run.errors, "cwd: package root '" + root.string() + "' result=0\n");
}

} // namespace
