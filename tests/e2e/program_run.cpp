#include "tests/e2e/program_run.h"

#include "tests/support/temp_dir.h"

namespace gb_test {

Finished run_program(const std::string &path, const std::vector<std::string> &arguments,
                     const std::vector<EnvChange> &environment, int timeout_ms) {
    TempDir folder;
    std::string output = folder.file("stdout");
    std::string errors = folder.file("stderr");
    ChildProgram child(path, arguments, environment, output, errors);
    int code = child.wait(timeout_ms);
    return {code, read_text_file(output), read_text_file(errors)};
}

} // namespace gb_test
