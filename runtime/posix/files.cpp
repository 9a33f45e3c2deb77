#include "runtime/files.h"

#include "runtime/text.h"
#include "runtime/utf8.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes an entry's data through to the disk; a read-only descriptor suffices for files
// and directories alike.
bool sync_to_disk(const char *path, int flags) {
    int descriptor = open(path, O_RDONLY | O_CLOEXEC | flags);
    if (descriptor < 0) {
        return false;
    }
    bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

} // namespace

bool vortelan_gb_runtime_file_exists_regular(const char *path) {
    if (path == nullptr) {
        errno = EINVAL;
        return false;
    }
    if (!vortelan_gb_runtime_utf8_is_valid(path)) {
        errno = EILSEQ;
        return false;
    }
    struct stat status {};
    return stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

// The source's data goes to the disk before the rename, and the directory entry after it,
// so that after a crash the destination holds either the old or the complete new file.
int vortelan_gb_runtime_replace_file(const char *source, const char *destination) {
    if (source == nullptr || destination == nullptr) {
        errno = EINVAL;
        return -1;
    }
    char directory[PATH_MAX];
    if (std::strlen(destination) >= sizeof directory) {
        errno = ENAMETOOLONG;
        return -1;
    }
    vortelan_gb_runtime_split_path(destination, directory, sizeof directory, nullptr, 0);
    if (directory[0] == '\0') {
        vortelan_gb_runtime_copy_text(directory, sizeof directory, "/");
    }
    if (!sync_to_disk(source, 0) || std::rename(source, destination) != 0) {
        return -1;
    }
    return sync_to_disk(directory, O_DIRECTORY) ? 0 : -1;
}

int vortelan_gb_runtime_unlink(const char *path) {
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return unlink(path);
}

int vortelan_gb_runtime_getpid(void) {
    return static_cast<int>(getpid());
}
