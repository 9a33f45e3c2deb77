#include "runtime/launcher.h"

#include "runtime/ascii.h"
#include "runtime/process.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t candidate_capacity = 512;
constexpr char exe_extension[] = ".exe";
constexpr size_t exe_extension_length = sizeof exe_extension - 1;

bool has_exe_extension(const char *path, size_t length) {
    return length >= exe_extension_length &&
           vortelan_gb_runtime_ascii_equal_ignoring_case(path + length - exe_extension_length,
                                                         exe_extension, exe_extension_length);
}

int spawn_wait_logged(const char *path, const char *const argv[], bool *started) {
    *started = false;
    std::fprintf(stderr, "spawn: trying %s\n", path);
    std::fflush(stderr);
    int32_t status = 0;
    if (vortelan_gb_runtime_spawn_and_wait(path, argv, &status) != 0) {
        int error = errno;
        std::fprintf(stderr, "spawn: %s failed: %s\n", path, std::strerror(error));
        std::fflush(stderr);
        errno = error;
        return -1;
    }
    *started = true;
    std::fprintf(stderr, "spawn: %s exited status=%ld\n", path, static_cast<long>(status));
    std::fflush(stderr);
    return status == 0 ? 0 : -1;
}

} // namespace

int vortelan_gb_runtime_execv_with_exe_fallback(const char *path, const char *const argv[]) {
    if (path == nullptr || argv == nullptr) {
        errno = EINVAL;
        return -1;
    }
    size_t length = std::strlen(path);
    bool started = false;
    if (has_exe_extension(path, length)) {
        return spawn_wait_logged(path, argv, &started);
    }
    if (length + exe_extension_length + 1 > candidate_capacity) {
        errno = ENAMETOOLONG;
        return -1;
    }
    char candidate[candidate_capacity];
    std::memcpy(candidate, path, length);
    std::memcpy(candidate + length, exe_extension, exe_extension_length + 1);

    int result = spawn_wait_logged(candidate, argv, &started);
    if (started) {
        // A program that ran and failed is never run a second time under the other name.
        if (result != 0) {
            std::fprintf(stderr,
                         "spawn: %s started and returned nonzero; not trying extensionless "
                         "fallback\n",
                         candidate);
            std::fflush(stderr);
        }
        return result;
    }
    int candidate_error = errno;
    result = spawn_wait_logged(path, argv, &started);
    if (!started) {
        errno = candidate_error;
    }
    return result;
}
