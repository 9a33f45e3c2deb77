#include "runtime/file_replace.h"

#include "runtime/directory.h"
#include "runtime/files.h"
#include "runtime/process.h"
#include "runtime/text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t path_capacity = 4096;
constexpr const char *temporary_suffix = ".tmp";

struct StaleSearch {
    const char *target;
    size_t directory_length; // of the target's directory part, its last separator included
    const char *name;        // the target's own name, whose temporaries are looked for
};

// The process id in "<name>.<digits>.tmp", or 0 for any other entry name.
long temporary_owner(const char *entry, const char *name) {
    const size_t name_length = std::strlen(name);
    if (std::strncmp(entry, name, name_length) != 0 || entry[name_length] != '.') {
        return 0;
    }
    const char *digits = entry + name_length + 1;
    if (*digits < '0' || *digits > '9') {
        return 0;
    }
    char *end = nullptr;
    const long owner = std::strtol(digits, &end, 10);
    return std::strcmp(end, temporary_suffix) == 0 ? owner : 0;
}

// A save that was killed leaves its temporary behind; one whose process is gone is no one's.
void remove_if_stale(const char *entry, void *context) {
    const auto *search = static_cast<const StaleSearch *>(context);
    const long owner = temporary_owner(entry, search->name);
    if (owner <= 0 || owner > 0x7FFFFFFF || owner == vortelan_gb_runtime_getpid() ||
        vortelan_gb_runtime_process_exists(static_cast<int>(owner))) {
        return;
    }
    char path[path_capacity];
    const int length =
        std::snprintf(path, sizeof path, "%.*s%s", static_cast<int>(search->directory_length),
                      search->target, entry);
    if (length > 0 && static_cast<size_t>(length) < sizeof path) {
        vortelan_gb_runtime_unlink(path);
    }
}

void remove_stale_temporaries(const char *target) {
    const char *name = vortelan_gb_runtime_path_last_component(target);
    StaleSearch search{target, static_cast<size_t>(name - target), name};
    char directory[path_capacity];
    vortelan_gb_runtime_copy_text(directory, sizeof directory,
                                  search.directory_length > 0 ? target : ".");
    if (search.directory_length > 0) {
        directory[search.directory_length] = '\0';
    }
    vortelan_gb_runtime_list_directory(directory, remove_if_stale, &search);
}

struct Writing {
    FILE *file;
    FileContentWriter write;
    const void *context;
};

// The close flushes what the stream still holds, so it counts as much as the writes.
bool write_and_close(void *context) {
    const auto *writing = static_cast<const Writing *>(context);
    const bool written = writing->write(writing->file, writing->context) &&
                         std::fflush(writing->file) == 0 && std::ferror(writing->file) == 0;
    const bool closed = std::fclose(writing->file) == 0;
    return written && closed;
}

} // namespace

int vortelan_gb_runtime_write_file_replacing(const char *path, FileContentWriter write,
                                             const void *context) {
    if (path == nullptr || write == nullptr) {
        errno = EINVAL;
        return -1;
    }
    char target[path_capacity];
    char temporary[path_capacity];
    if (!vortelan_gb_runtime_link_target(path, target, sizeof target)) {
        return -1;
    }
    const int length = std::snprintf(temporary, sizeof temporary, "%s.%d%s", target,
                                     vortelan_gb_runtime_getpid(), temporary_suffix);
    if (length < 0 || static_cast<size_t>(length) >= sizeof temporary) {
        errno = ENAMETOOLONG;
        return -1;
    }
    remove_stale_temporaries(target);
    Writing writing{vortelan_gb_runtime_open_file(temporary, "w"), write, context};
    if (writing.file == nullptr) {
        return -1;
    }
    vortelan_gb_runtime_copy_permission_bits(target, temporary);
    if (!vortelan_gb_runtime_without_file_size_signal(write_and_close, &writing) ||
        vortelan_gb_runtime_replace_file(temporary, target) != 0) {
        const int error = errno;
        vortelan_gb_runtime_unlink(temporary);
        errno = error;
        return -1;
    }
    return 0;
}
