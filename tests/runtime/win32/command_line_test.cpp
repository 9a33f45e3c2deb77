#include "runtime/win32/command_line.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include <shellapi.h>

namespace {

std::wstring widened(const std::string &text) {
    return std::wstring(text.begin(), text.end());
}

// The command line _spawnv makes of the quoted arguments, split again by the system's own
// reading of command lines.
std::vector<std::wstring> split_again(const QuotedArguments &quoted) {
    std::string line;
    for (const char *const *argument = quoted.pointers; *argument != nullptr; ++argument) {
        line += (line.empty() ? "" : " ") + std::string(*argument);
    }
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> split(
        CommandLineToArgvW(widened(line).c_str(), &count), &LocalFree);
    return std::vector<std::wstring>(split.get(), split.get() + count);
}

TEST(QuotedArguments, SurviveTheCommandLineUnchanged) {
    std::vector<std::string> arguments = {"C:\\Program Files\\game.exe",
                                          "plain",
                                          "",
                                          "two words",
                                          "say \"hi\"",
                                          "\"",
                                          "trailing\\",
                                          "trailing space\\",
                                          "\\\\server\\share\\",
                                          "back\\\\\"quote",
                                          "tab\tand\nnewline",
                                          "a\\b\\c"};
    std::vector<const char *> argv;
    for (const std::string &argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    auto quoted = std::make_unique<QuotedArguments>();
    ASSERT_TRUE(vortelan_gb_runtime_quote_arguments(argv.data(), quoted.get()));

    std::vector<std::wstring> expected;
    for (const std::string &argument : arguments) {
        expected.push_back(widened(argument));
    }
    EXPECT_EQ(split_again(*quoted), expected);
}

struct LimitCase {
    const char *label;
    size_t count;
    size_t length;
    bool fits;
};

class QuotedArgumentLimits : public testing::TestWithParam<LimitCase> {};

// Windows passes at most 32766 characters and a terminator; each argument of n letters takes
// n + 1 of them.
TEST_P(QuotedArgumentLimits, RefuseWhatWindowsCannotPass) {
    std::vector<std::string> arguments(GetParam().count, std::string(GetParam().length, 'x'));
    std::vector<const char *> argv;
    for (const std::string &argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    auto quoted = std::make_unique<QuotedArguments>();
    EXPECT_EQ(vortelan_gb_runtime_quote_arguments(argv.data(), quoted.get()), GetParam().fits);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, QuotedArgumentLimits,
                         testing::Values(LimitCase{"longest_line", 1, 32766, true},
                                         LimitCase{"one_too_long", 1, 32767, false},
                                         LimitCase{"many_arguments", 1024, 1, true},
                                         LimitCase{"too_many_arguments", 1025, 1, false}),
                         [](const testing::TestParamInfo<LimitCase> &tested) {
                             return tested.param.label;
                         });

} // namespace
