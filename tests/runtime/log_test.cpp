#include "runtime/log.h"

#include "tests/runtime/files_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char *enabled_variable = "VORTELAN_EMULATOR_GB_RUNTIME_LOG_ENABLED";
constexpr const char *ready_variable = "VORTELAN_EMULATOR_GB_RUNTIME_LOG_STDIO_READY";

// The log flags are process-wide, so every case runs in a fresh child working in directory,
// with only the given log variables set (null: unset).
int in_log_child(const fs::path &directory, const char *enabled, const char *ready,
                 const std::function<int()> &body) {
    return gb_test::run_in_child([&] {
        for (auto [name, value] : {std::pair{enabled_variable, enabled}, {ready_variable, ready}}) {
            value != nullptr ? setenv(name, value, 1) : unsetenv(name);
        }
        return chdir(directory.string().c_str()) == 0 ? body() : 90;
    });
}

struct EnableCase {
    const char *environment;
    std::string config; // empty: no enable file
    bool enabled;
};

// The 127th character ends the first part of a 200-character line; the rest is a line of
// its own.
std::string long_line(const std::string &head) {
    std::string line = head + "enabled=1";
    return line + std::string(200 - line.size(), ' ') + "\n";
}

TEST(LogEnabled, FollowsVariableThenEnableFile) {
    for (const EnableCase &c : {
             EnableCase{nullptr, "", false},
             EnableCase{nullptr, "enabled   =   yes\t\n", true},
             EnableCase{nullptr, "  log=ON \r\n", true},
             EnableCase{nullptr, "enabled=1\r\nlog=0\r\n", false},
             EnableCase{nullptr, "log=no\nenabled=TRUE", true},
             EnableCase{nullptr, "Enabled=1\nlog=Yes\n", false},
             EnableCase{nullptr, "enabled\n", false},
             EnableCase{nullptr, "enabled=\n", false},
             EnableCase{nullptr, "enabled=yes # why\n", false},
             EnableCase{nullptr, "enabled=1=1\n", false},
             EnableCase{nullptr, "  # enabled=1\n\n\t\n", false},
             EnableCase{nullptr, "\vlog=1\n", false},
             EnableCase{nullptr, "enabled=1\nverbose=0\n", true},
             EnableCase{nullptr, long_line("#" + std::string(126, 'x')), true},
             EnableCase{nullptr, long_line("#" + std::string(125, 'x')), false},
             EnableCase{"yes", "enabled=0\n", true},
             EnableCase{"0", "enabled=1\n", true},
             EnableCase{"On", "", false},
             EnableCase{"On", "log=1\n", true},
         }) {
        gb_test::TempDir directory;
        if (!c.config.empty()) {
            fs::create_directory(directory.path() / "config");
            gb_test::write_file(directory.file("config/gb_runtime_log.conf"), c.config);
        }
        int code = in_log_child(directory.path(), c.environment, nullptr,
                                [] { return vortelan_gb_runtime_log_enabled() ? 1 : 0; });
        EXPECT_EQ(code, c.enabled ? 1 : 0) << (c.environment ? c.environment : "(unset)") << " / "
                                           << testing::PrintToString(c.config);
    }
}

// The lines of a text file, which end in CR LF on Windows.
std::string text_lines(const std::string &text) {
    return std::regex_replace(text, std::regex("\r\n"), "\n");
}

// The banner with the given name and working directory, as a pattern for its time.
std::string banner(const std::string &name, const std::string &directory) {
    std::string literal =
        std::regex_replace(directory, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
    return "\n=== GB Runtime " + name +
           " start \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ===\ncwd: " + literal + "\n";
}

TEST(LogRedirect, AppendsOneBannerAndBothStreamsToTheLog) {
    gb_test::TempDir directory;
    gb_test::write_file(directory.file("gb_runtime.log"), "earlier run\n");
    int code = in_log_child(directory.path(), "1", nullptr, [] {
        vortelan_gb_runtime_log_redirect_stdio(nullptr);
        vortelan_gb_runtime_log_redirect_stdio("again");
        std::printf("to stdout\n");
        std::fprintf(stderr, "to stderr\n");
        // Another process logging at the same time must not write over these lines.
        return gb_test::writes_only_at_end(fileno(stdout)) &&
                       gb_test::writes_only_at_end(fileno(stderr))
                   ? 0
                   : 3;
    });
    ASSERT_EQ(code, 0);
    std::string log = text_lines(gb_test::read_file(directory.file("gb_runtime.log")));
    std::string expected = "earlier run\n" +
                           banner("process", fs::canonical(directory.path()).string()) +
                           "to stdout\nto stderr\n";
    EXPECT_TRUE(std::regex_match(log, std::regex(expected))) << log;
}

TEST(LogRedirect, FirstCallWithLoggingOffFixesTheAnswer) {
    gb_test::TempDir directory;
    int code = in_log_child(directory.path(), nullptr, nullptr, [] {
        vortelan_gb_runtime_log_redirect_stdio("menu");
        setenv(enabled_variable, "1", 1);
        vortelan_gb_runtime_log_redirect_stdio("menu");
        return vortelan_gb_runtime_log_enabled() ? 1 : 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(fs::exists(directory.path() / "gb_runtime.log"));
}

// Cases in which the banner stays on the standard error the process already had.
struct KeptStreamCase {
    const char *ready;
    bool log_is_directory; // the log cannot be opened: the streams must not be closed
    bool remove_working_directory;
};

TEST(LogRedirect, WritesBannerToTheOriginalStandardError) {
    for (const KeptStreamCase &c :
         {KeptStreamCase{"YES", false, false}, KeptStreamCase{nullptr, true, false},
// Windows does not remove a directory that a process works in.
#ifndef _WIN32
          KeptStreamCase{"1", false, true}
#endif
         }) {
        gb_test::TempDir directory;
        fs::path work = directory.path() / "work";
        fs::create_directories(c.log_is_directory ? work / "gb_runtime.log" : work);
        std::string captured = directory.file("stderr.txt");
        int code = in_log_child(work, "1", c.ready, [&] {
            if (std::freopen(captured.c_str(), "w", stderr) == nullptr ||
                (c.remove_working_directory && rmdir(work.string().c_str()) != 0)) {
                return 90;
            }
            vortelan_gb_runtime_log_redirect_stdio("menu");
            std::fprintf(stderr, "after\n");
            return 0;
        });
        ASSERT_EQ(code, 0);
        std::string shown =
            c.remove_working_directory ? "(unavailable)" : fs::canonical(work).string();
        std::string text = text_lines(gb_test::read_file(captured));
        EXPECT_TRUE(std::regex_match(text, std::regex(banner("menu", shown) + "after\n"))) << text;
        EXPECT_FALSE(fs::is_regular_file(work / "gb_runtime.log"));
    }
}

#ifndef _WIN32
// Opening a FIFO waits for its other end, so a FIFO as the switch file counts as none, and
// as the log it is a log that cannot be opened: the banner stays on the old standard error.
TEST(LogRedirect, AFifoIsNeitherSwitchFileNorLog) {
    for (const char *fifo : {"config/gb_runtime_log.conf", "gb_runtime.log"}) {
        const bool is_log = std::string(fifo) == "gb_runtime.log";
        gb_test::TempDir directory;
        fs::create_directory(directory.path() / "config");
        ASSERT_EQ(mkfifo(directory.file(fifo).c_str(), 0600), 0);
        std::string captured = directory.file("stderr.txt");
        int code = in_log_child(directory.path(), is_log ? "1" : nullptr, nullptr, [&] {
            alarm(10); // a blocked open ends the child rather than the whole run
            if (std::freopen(captured.c_str(), "w", stderr) == nullptr) {
                return 90;
            }
            vortelan_gb_runtime_log_redirect_stdio("menu");
            return vortelan_gb_runtime_log_enabled() ? 1 : 0;
        });
        EXPECT_EQ(code, is_log ? 1 : 0) << fifo;
        std::string text = gb_test::read_file(captured);
        std::string shown = is_log ? banner("menu", fs::canonical(directory.path()).string()) : "";
        EXPECT_TRUE(std::regex_match(text, std::regex(shown))) << fifo << ": " << text;
    }
}
#endif

} // namespace
