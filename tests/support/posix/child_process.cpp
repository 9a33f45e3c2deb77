#include "tests/support/child_process.h"

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace gb_test {

int run_in_child(const std::function<int()> &body) {
    std::fflush(nullptr);
    pid_t child = fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        int code = body();
        std::fflush(nullptr);
        // Leaves without the test framework's exit handlers, which belong to the parent.
        _exit(code);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace gb_test
