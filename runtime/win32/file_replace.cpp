#include "runtime/file_replace.h"

#include "runtime/text.h"

#include <cerrno>

// Links on Windows need rights that players rarely have; a path is taken as it is named.
bool vortelan_gb_runtime_link_target(const char *path, char *target, size_t capacity) {
    if (path == nullptr || !vortelan_gb_runtime_copy_text(target, capacity, path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    return true;
}

// The read-only attribute is all there is, and a read-only file is not replaced at all.
void vortelan_gb_runtime_copy_permission_bits(const char *, const char *) {}

// Windows sends no signal for a write beyond a size limit; the write just fails.
bool vortelan_gb_runtime_without_file_size_signal(bool (*body)(void *context), void *context) {
    return body(context);
}
