#include "tests/runtime/package_root_fixture.h"
#include "tests/support/captured_stream.h"

#include <cstdlib>
#include <process.h>

namespace gb_test {

std::filesystem::path this_program() {
    return _pgmptr;
}

// The child takes over this process's standard streams, which are captured meanwhile.
ProgramRun run_from_file_system_root(const std::filesystem::path &program,
                                     const std::string &filter) {
    std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(start.root_path());
    unsetenv("GB_RUNTIME_PACKAGE_ROOT");
    std::string program_text = program.string();
    std::string filter_argument = "--gtest_filter=" + filter;
    const char *argv[] = {program_text.c_str(), "--gtest_also_run_disabled_tests",
                          filter_argument.c_str(), nullptr};
    ProgramRun run{};
    {
        CapturedStream output(stdout);
        CapturedStream errors(stderr);
        run.exit_code = static_cast<int>(_spawnv(_P_WAIT, program_text.c_str(), argv));
        run.output = output.text();
        run.errors = errors.text();
    }
    std::filesystem::current_path(start);
    return run;
}

} // namespace gb_test
