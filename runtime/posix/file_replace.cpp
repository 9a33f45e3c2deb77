#include "runtime/file_replace.h"

#include "runtime/directory.h"
#include "runtime/text.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int longest_link_chain = 40;

} // namespace

bool vortelan_gb_runtime_link_target(const char *path, char *target, size_t capacity) {
    if (path == nullptr || !vortelan_gb_runtime_copy_text(target, capacity, path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    for (int followed = 0; followed < longest_link_chain; ++followed) {
        struct stat status {};
        if (lstat(target, &status) != 0 || !S_ISLNK(status.st_mode)) {
            return true; // no link here: this is the file, or where it is to be made
        }
        char link[4096];
        const ssize_t length = readlink(target, link, sizeof link - 1);
        if (length < 0) {
            return false;
        }
        link[length] = '\0';
        // A relative link is taken from the directory that holds it: it takes the place of
        // the link's own name, after the last "/" ("/" itself for a name in the root).
        const size_t kept =
            link[0] == '/'
                ? 0
                : static_cast<size_t>(vortelan_gb_runtime_path_last_component(target) - target);
        if (!vortelan_gb_runtime_copy_text(target + kept, capacity - kept, link)) {
            errno = ENAMETOOLONG;
            return false;
        }
    }
    errno = ELOOP;
    return false;
}

void vortelan_gb_runtime_copy_permission_bits(const char *source, const char *destination) {
    struct stat status {};
    if (stat(source, &status) == 0) {
        chmod(destination, status.st_mode & 07777);
    }
}

// Ignored rather than blocked: a blocked signal would still end the process once unblocked.
bool vortelan_gb_runtime_without_file_size_signal(bool (*body)(void *context), void *context) {
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    const bool held = sigaction(SIGXFSZ, &ignore, &previous) == 0;
    const bool result = body(context);
    if (held) {
        sigaction(SIGXFSZ, &previous, nullptr);
    }
    return result;
}
