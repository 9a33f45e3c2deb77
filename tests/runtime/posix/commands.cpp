#include "tests/runtime/posix/commands.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace gb_test {

namespace {

pid_t spawn(const std::vector<std::string> &arguments, int output_fd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, output_fd, STDOUT_FILENO);
    }
    std::vector<char *> argv;
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = -1;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

} // namespace

CommandResult run_command(const std::vector<std::string> &arguments) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) {
        return {-1, ""};
    }
    pid_t child = spawn(arguments, pipe_fds[1]);
    close(pipe_fds[1]);
    std::string output = read_to_end(pipe_fds[0]);
    close(pipe_fds[0]);
    return {child < 0 ? -1 : wait_for_exit(child), output};
}

std::string read_to_end(int fd) {
    std::string text;
    char block[4096];
    ssize_t count = 0;
    while ((count = read(fd, block, sizeof block)) > 0 || (count < 0 && errno == EINTR)) {
        if (count > 0) {
            text.append(block, static_cast<size_t>(count));
        }
    }
    return text;
}

pid_t start_command(const std::vector<std::string> &arguments) {
    return spawn(arguments, -1);
}

int wait_for_exit(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void stop_child(pid_t child) {
    if (child <= 0) {
        return;
    }
    kill(child, SIGTERM);
    wait_for_exit(child);
}

} // namespace gb_test
