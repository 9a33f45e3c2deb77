#include "tests/runtime/package_root_fixture.h"
#include "tests/runtime/posix/commands.h"

namespace gb_test {

std::filesystem::path this_program() {
    return std::filesystem::read_symlink("/proc/self/exe");
}

ProgramRun run_from_file_system_root(const std::filesystem::path &program,
                                     const std::string &filter) {
    TempDir temp;
    std::string errors = temp.file("errors");
    CommandResult run = run_command(
        {"sh", "-c",
         "unset GB_RUNTIME_PACKAGE_ROOT; cd / && exec \"$0\" --gtest_also_run_disabled_tests "
         "--gtest_filter=\"$1\" 2>\"$2\"",
         program.string(), filter, errors});
    return {run.exit_code, run.output, read_file(errors)};
}

} // namespace gb_test
