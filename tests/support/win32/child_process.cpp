#include "tests/support/child_process.h"

#include "runtime/process.h"
#include "tests/support/test_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace gb_test {

namespace {

// What the copy of this program needs to repeat the current test up to the wanted call: its
// number within the test and what the calls before it gave.
constexpr const char *call_variable = "GB_RUNTIME_TEST_CHILD_CALL";
constexpr const char *results_variable = "GB_RUNTIME_TEST_CHILD_RESULTS";
constexpr int largest_exit_code = 255;

PerTestCounter calls;
std::vector<int> results_in_test;

// The copy repeats the test up to the wanted call, and what it finds there belongs to the
// run that started it: its own report would only repeat or confuse that one.
const bool quiet_copy = [] {
    if (std::getenv(call_variable) != nullptr) {
        delete testing::UnitTest::GetInstance()->listeners().Release(
            testing::UnitTest::GetInstance()->listeners().default_result_printer());
    }
    return true;
}();

std::vector<int> inherited_results() {
    std::vector<int> results;
    std::istringstream list(std::getenv(results_variable) != nullptr ? std::getenv(results_variable)
                                                                     : "");
    for (std::string item; std::getline(list, item, ',');) {
        results.push_back(std::atoi(item.c_str()));
    }
    return results;
}

[[noreturn]] void run_as_child(const std::function<int()> &body) {
    _putenv_s(call_variable, "");
    _putenv_s(results_variable, "");
    int code = body();
    std::fflush(nullptr);
    // Leaves without the test framework's exit handlers, as a forked child would.
    std::_Exit(code);
}

std::string joined(const std::vector<int> &results) {
    std::string text;
    for (int result : results) {
        text += (text.empty() ? "" : ",") + std::to_string(result);
    }
    return text;
}

int run_copy_for_call(int call) {
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    char program[1024];
    if (test == nullptr || !vortelan_gb_runtime_executable_path(program, sizeof program)) {
        return -1;
    }
    std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const char *argv[] = {program, filter.c_str(), "--gtest_also_run_disabled_tests", nullptr};
    bool owned_by_other_run = std::getenv(test_owner_variable) != nullptr;
    _putenv_s(test_owner_variable, std::to_string(test_owner_id()).c_str());
    _putenv_s(call_variable, std::to_string(call).c_str());
    _putenv_s(results_variable, joined(results_in_test).c_str());
    std::fflush(nullptr);
    int32_t status = 0;
    bool ran = vortelan_gb_runtime_spawn_and_wait(program, argv, &status) == 0;
    _putenv_s(call_variable, "");
    _putenv_s(results_variable, "");
    if (!owned_by_other_run) {
        _putenv_s(test_owner_variable, "");
    }
    // A crash ends a Windows process with its exception code, far above any exit code.
    return ran && status >= 0 && status <= largest_exit_code ? status : -1;
}

} // namespace

// Windows has no fork: the child is this program run again for the current test alone. It
// repeats the test, takes the results of the calls before this one as they were, and runs
// body at this call.
int run_in_child(const std::function<int()> &body) {
    int call = calls.next();
    if (call == 0) {
        results_in_test.clear();
    }
    const char *wanted = std::getenv(call_variable);
    if (wanted != nullptr) {
        if (call == std::atoi(wanted)) {
            run_as_child(body);
        }
        std::vector<int> earlier = inherited_results();
        return call < static_cast<int>(earlier.size()) ? earlier[static_cast<size_t>(call)] : -1;
    }
    int result = run_copy_for_call(call);
    results_in_test.push_back(result);
    return result;
}

} // namespace gb_test
