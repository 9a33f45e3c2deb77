#include "runtime/process.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

bool vortelan_gb_runtime_executable_path(char *buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return false;
    }
    ssize_t length = readlink("/proc/self/exe", buffer, capacity);
    if (length < 0 || static_cast<size_t>(length) >= capacity) {
        return false;
    }
    buffer[length] = '\0';
    return true;
}

// Signal 0 only asks whether the process could be signalled: it is there, or it is there
// and belongs to someone else. Ids of 0 and below name process groups.
bool vortelan_gb_runtime_process_exists(int process_id) {
    return process_id > 0 && (kill(process_id, 0) == 0 || errno == EPERM);
}

int vortelan_gb_runtime_change_directory(const char *path) {
    return chdir(path) == 0 ? 0 : -1;
}

namespace {

// Shell convention for a child ended by a signal, so that it counts as a failed run.
constexpr int32_t signal_status_base = 128;

int32_t exit_status_of(int wait_status) {
    if (WIFEXITED(wait_status)) {
        return WEXITSTATUS(wait_status);
    }
    return signal_status_base + WTERMSIG(wait_status);
}

} // namespace

int vortelan_gb_runtime_spawn_and_wait(const char *path, const char *const argv[],
                                       int32_t *status) {
    // posix_spawn reports a program that exec cannot start as its own error, so such a
    // child never counts as started.
    pid_t child = 0;
    int error =
        posix_spawn(&child, path, nullptr, nullptr, const_cast<char *const *>(argv), environ);
    if (error != 0) {
        errno = error;
        return -1;
    }
    int wait_status = 0;
    while (waitpid(child, &wait_status, 0) < 0) {
        if (errno != EINTR) {
            // The child ran, but its status is lost (e.g. SIGCHLD ignored): a failed run.
            *status = -1;
            return 0;
        }
    }
    *status = exit_status_of(wait_status);
    return 0;
}
