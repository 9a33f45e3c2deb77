#include "runtime/files.h"

#include "runtime/text.h"

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
    const int error = errno;
    close(descriptor);
    errno = error;
    return synced;
}

struct RegularMode {
    const char *mode;
    int flags;
};

constexpr int appending = O_WRONLY | O_APPEND | O_CREAT;
constexpr RegularMode regular_modes[] = {
    {"r", O_RDONLY}, {"rb", O_RDONLY}, {"a", appending}, {"ab", appending}};

// The open flags of a mode the regular-file open takes, or -1.
int regular_mode_flags(const char *mode) {
    for (const RegularMode &known : regular_modes) {
        if (std::strcmp(mode, known.mode) == 0) {
            return known.flags;
        }
    }
    return -1;
}

} // namespace

FILE *vortelan_gb_runtime_open_file(const char *path, const char *mode) {
    if (path == nullptr || mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    return std::fopen(path, mode);
}

// Opened without blocking, as a FIFO would wait for its other end in open() itself; the type
// is then told by the open descriptor, so the path cannot change in between.
FILE *vortelan_gb_runtime_open_regular_file(const char *path, const char *mode) {
    const int flags = mode != nullptr ? regular_mode_flags(mode) : -1;
    if (path == nullptr || flags < 0) {
        errno = EINVAL;
        return nullptr;
    }
    int descriptor = open(path, flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(descriptor);
        errno = EINVAL;
        return nullptr;
    }
    FILE *file = fdopen(descriptor, mode);
    if (file == nullptr) {
        close(descriptor);
    }
    return file;
}

int vortelan_gb_runtime_regular_file_status(const char *path, bool *regular) {
    if (path == nullptr || regular == nullptr) {
        errno = EINVAL;
        return -1;
    }
    struct stat status {};
    if (stat(path, &status) != 0) {
        return -1;
    }
    *regular = S_ISREG(status.st_mode);
    return 0;
}

// The source's data goes to the disk before the rename, and the directory entry after it,
// so that after a crash the destination holds either the old or the complete new file.
// Once renamed the file is replaced, so a directory that cannot be synced (no read
// permission, a file system without directory sync) is told but is no failure.
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
    if (!sync_to_disk(directory, O_DIRECTORY)) {
        std::fprintf(stderr, "replace file: directory sync failed for '%s': %s\n", directory,
                     std::strerror(errno));
        std::fflush(stderr);
    }
    return 0;
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
