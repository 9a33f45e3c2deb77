#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace gb_test {

// The exit code and standard output of a finished command.
struct CommandResult {
    int exit_code;
    std::string output;
};

// Runs a program found along PATH, waits for it and captures its standard output;
// standard error passes through. exit_code is -1 when it could not run or did not exit.
CommandResult run_command(const std::vector<std::string> &arguments);

// Starts a program found along PATH without waiting for it; -1 when it cannot be started.
pid_t start_command(const std::vector<std::string> &arguments);

// Everything readable from a descriptor until its end.
std::string read_to_end(int fd);

// The exit code of a child process once it has ended, -1 when it did not exit normally.
int wait_for_exit(pid_t child);

// Ends a child process started by this test (if still running) and collects it.
void stop_child(pid_t child);

} // namespace gb_test
